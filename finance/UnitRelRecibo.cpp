#include "finance/UnitRelRecibo.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/RelatorioPintura.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
#include "base/Telas.h"
#include "base/UnitLog.h"

#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFrmRelRecibo *FrmRelRecibo = nullptr;

namespace Recibo {

std::optional<Dinheiro> lerValor(const QString &texto)
{
    return Dinheiro::digitado(texto, SinalDigitado::Positivo, VazioDigitado::Recusado).valor;
}

Modelo montar(const QString &recebemos, Dinheiro valor, const QString &referente)
{
    TParametros &p = tParametros();
    Modelo m;
    m.timbre << p.texto(QStringLiteral("NOME_FANTASIA"))
             << QStringLiteral("CNPJ: ") + p.texto(QStringLiteral("CNPJ"))
             << QStringLiteral("Fone: ") + p.texto(QStringLiteral("FONE1")) + QStringLiteral(" / ")
                    + p.texto(QStringLiteral("FONE2"))
             << p.texto(QStringLiteral("ENDERECO")) + QStringLiteral(" - ") + p.texto(QStringLiteral("BAIRRO"))
                    + QStringLiteral(" - ") + p.texto(QStringLiteral("CIDADE")) + QStringLiteral("-")
                    + p.texto(QStringLiteral("UF")) + QStringLiteral(" - CEP: ") + p.texto(QStringLiteral("CEP"))
             << QStringLiteral("E-mail: ") + p.texto(QStringLiteral("EMAIL"));
    m.valorFiguras = QStringLiteral("R$ ") + valor.formatado();
    m.recebemos = recebemos;
    const QString palavras = extenso(valor);
    if (!palavras.isEmpty())
        m.valorExtenso = QStringLiteral("*** ") + palavras + QStringLiteral(" ***");
    m.referente = referente;
    m.localData = p.texto(QStringLiteral("CIDADE")) + QStringLiteral("-") + p.texto(QStringLiteral("UF"))
        + QStringLiteral(", ") + Relogio::hoje().toString(QStringLiteral("dd/MM/yyyy"));
    m.assinatura = p.texto(QStringLiteral("NOME_FANTASIA"));
    return m;
}

Relatorio relatorio(const Modelo &m)
{
    Relatorio rel(QStringLiteral("Recibo"));
    rel.coluna(QString(), 30);
    rel.coluna(QString(), 70);
    for (const QString &l : m.timbre.mid(1))
        rel.linha({QString(), l});
    rel.linha({QString(), m.valorFiguras});
    rel.linha({QStringLiteral("Recebi (emos) de"), m.recebemos});
    rel.linha({QStringLiteral("a importância de R$"), m.valorExtenso});
    rel.linha({QStringLiteral("referente ao pagamento de"), m.referente});
    rel.linha({QString(), QString()});
    rel.linha({m.localData, QStringLiteral("________________________________________")});
    rel.linha({QString(), m.assinatura});
    return rel;
}

} // namespace Recibo

TFrmRelRecibo::TFrmRelRecibo(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Recibo Avulso"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(criarCabecalhoTela(this));
    auto *grupo = new QGroupBox(QStringLiteral("   Informações:   "), this);
    auto *form = new QFormLayout(grupo);
    edtRecebemos = new QLineEdit(grupo);
    edtRecebemos->setObjectName(QStringLiteral("edtRecebemos"));
    edtRecebemos->setMaxLength(500);
    edtImportancia = new QLineEdit(QStringLiteral("0,00"), grupo);
    edtImportancia->setObjectName(QStringLiteral("edtImportancia"));
    edtReferente = new QLineEdit(grupo);
    edtReferente->setObjectName(QStringLiteral("edtReferente"));
    edtReferente->setMaxLength(300);
    for (QLineEdit *e : {edtRecebemos, edtReferente})
        connect(e, &QLineEdit::textEdited, e, [e](const QString &t) {
            const int pos = e->cursorPosition();
            e->setText(t.toUpper());
            e->setCursorPosition(pos);
        });
    edtImportancia->installEventFilter(this);
    form->addRow(QStringLiteral("Recebi (emos) de"), edtRecebemos);
    form->addRow(QStringLiteral("a importância de R$"), edtImportancia);
    form->addRow(QStringLiteral("referente ao Pagamento de "), edtReferente);
    layout->addWidget(grupo);
    auto *botoes = new QHBoxLayout;
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnImprimir->setObjectName(QStringLiteral("btnImprimir"));
    btnImprimir->setToolTip(QStringLiteral("Imprimir"));
    btnImprimir->setAutoDefault(false);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    btnSair->setObjectName(QStringLiteral("btnSair"));
    btnSair->setToolTip(QStringLiteral("Sair"));
    btnSair->setAutoDefault(false);
    botoes->addStretch();
    botoes->addWidget(btnImprimir);
    botoes->addWidget(btnSair);
    layout->addLayout(botoes);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelRecibo::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::reject);
    resize(640, 230);
}

bool TFrmRelRecibo::eventFilter(QObject *o, QEvent *e)
{
    if (o == edtImportancia) {
        if (e->type() == QEvent::FocusIn) {
            // A readable amount loses its thousands dots while typing; any
            // other text stays as it is, so nothing typed changes meaning.
            if (Recibo::lerValor(edtImportancia->text()))
                edtImportancia->setText(edtImportancia->text().remove(QLatin1Char('.')));
        } else if (e->type() == QEvent::FocusOut) {
            const QString t = edtImportancia->text().trimmed();
            if (t.isEmpty())
                edtImportancia->setText(QStringLiteral("0,00"));
            else if (const auto v = Recibo::lerValor(t))
                edtImportancia->setText(v->formatado());
            // Anything else stays as typed; printing refuses it.
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmRelRecibo::btnImprimirClick()
{
    if (edtRecebemos->text().trimmed().isEmpty()) {
        Mensagem::aviso(Recibo::kMsgNome);
        edtRecebemos->setFocus();
        return;
    }
    const auto valor = Recibo::lerValor(edtImportancia->text());
    if (!valor) {
        Mensagem::aviso(Recibo::kMsgValor);
        edtImportancia->setFocus();
        return;
    }
    if (edtReferente->text().trimmed().isEmpty()) {
        Mensagem::aviso(Recibo::kMsgReferente);
        edtReferente->setFocus();
        return;
    }
    RegistrarLog(Recibo::kOperacaoLog);
    ultimoRecibo = Recibo::montar(edtRecebemos->text(), *valor, edtReferente->text());
    const Relatorio rel = Recibo::relatorio(*ultimoRecibo);
    Telas::abrir<TFrmVisualizaRelatorio>(rel, this);
    // Ready for the next receipt.
    edtRecebemos->clear();
    edtReferente->clear();
    edtImportancia->setText(QStringLiteral("0,00"));
    edtRecebemos->setFocus();
}
