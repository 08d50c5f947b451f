#include "rooms/UnitRelAniversariantes.h"

#include "base/CabecalhoTela.h"
#include "base/RelatorioPintura.h"
#include "base/Relogio.h"
#include "base/Telas.h"
#include "base/TelaEdicao.h"
#include "base/UnitLog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFrmRelAniversariantes *FrmRelAniversariantes = nullptr;

namespace RelAniversariantes {

const QStringList &meses()
{
    static const QStringList m{kSelecioneMes,
                               QStringLiteral("J A N E I R O"),
                               QStringLiteral("F E V E R E I R O"),
                               QStringLiteral("M A R Ç O"),
                               QStringLiteral("A B R I L"),
                               QStringLiteral("M A I O"),
                               QStringLiteral("J U N H O"),
                               QStringLiteral("J U L H O"),
                               QStringLiteral("A G O S T O"),
                               QStringLiteral("S E T E M B R O"),
                               QStringLiteral("O U T U B R O"),
                               QStringLiteral("N O V E M B R O"),
                               QStringLiteral("D E Z E M B R O")};
    return m;
}

QString linhaOpcao(const Filtro &f)
{
    return f.porMes ? QStringLiteral("(Mês: ") + f.textoMes + QLatin1Char(')')
                    : QStringLiteral("(Dia: ") + f.dia + QLatin1Char(')');
}

QString textoLog(const Filtro &f)
{
    return QStringLiteral("Relatório de Aniversariantes (") + f.textoMes + QLatin1Char(')');
}

QList<Aniversariante> linhas(const Filtro &f)
{
    QString sql = QStringLiteral(
        "SELECT ID_CLIENTE, NOME, DATA_NASC, EXTRACT(DAY FROM DATA_NASC) AS DIA, EMAIL, FONE_1, FAX FROM CLIENTE "
        "WHERE ID_CLIENTE NOT IN (SELECT ID_CLIENTE FROM ANULACAO) AND DATA_NASC <> ? "
        "AND EXTRACT(MONTH FROM DATA_NASC) = ?");
    Valores v{QDate(1900, 1, 1)};
    if (f.porMes) {
        v << f.mes;
    } else {
        // "dd/MM": an incomplete day field finds nothing
        bool okDia = false, okMes = false;
        const int dia = f.dia.mid(0, 2).trimmed().toInt(&okDia);
        const int mes = f.dia.mid(3, 2).trimmed().toInt(&okMes);
        if (!okDia || !okMes)
            return {};
        v << mes;
        sql += QStringLiteral(" AND EXTRACT(DAY FROM DATA_NASC) = ?");
        v << dia;
    }
    if (f.comEmail)
        sql += QStringLiteral(" AND EMAIL <> ''");
    if (f.comTelefone)
        sql += QStringLiteral(" AND (FONE_1 <> '' OR FAX <> '')");
    sql += QStringLiteral(" ORDER BY 4, NOME");
    QList<Aniversariante> r;
    for (const Linha &l : DM->Conexao.lerTodas(sql, v))
        r.append({l.texto(QStringLiteral("NOME")), int(l.inteiro(QStringLiteral("DIA"))),
                  l.texto(QStringLiteral("EMAIL")),
                  l.texto(QStringLiteral("FONE_1")) + QStringLiteral(" / ") + l.texto(QStringLiteral("FAX"))});
    return r;
}

Relatorio relatorio(const Filtro &f, const QList<Aniversariante> &linhas)
{
    Relatorio rel(kTitulo);
    const QString opcao = linhaOpcao(f);
    rel.opcoes(opcao.mid(1, opcao.size() - 2));
    rel.coluna(QStringLiteral("NOME"), 40);
    rel.coluna(QStringLiteral("DIA"), 6, Relatorio::Tipo::Texto, false, Relatorio::Alinhamento::Centro);
    rel.coluna(QStringLiteral("EMAIL"), 30);
    rel.coluna(QStringLiteral("FONES"), 24);
    for (const Aniversariante &a : linhas)
        rel.linha({a.nome, QString::number(a.dia), a.email, a.fones});
    rel.resumo(QStringLiteral("TOTAL DE ANIVERSARIANTES:"), qint64(linhas.size()));
    return rel;
}

} // namespace RelAniversariantes

TFrmRelAniversariantes::TFrmRelAniversariantes(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Aniversariantes"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    imgCabecalho->setPixmap(imagemPadrao());
    layout->addWidget(imgCabecalho);

    auto *grupo = new QGroupBox(QStringLiteral("Dia / Mes:"), this);
    auto *g = new QGridLayout(grupo);
    rbDia = new QRadioButton(QStringLiteral("Dia"), grupo);
    rbMes = new QRadioButton(QStringLiteral("Mês"), grupo);
    edtDia = new QLineEdit(grupo);
    edtDia->setObjectName(QStringLiteral("edtDia"));
    edtDia->setInputMask(QStringLiteral("99/99; "));
    edtDia->setMaximumWidth(80);
    cbMes = new QComboBox(grupo);
    cbMes->setObjectName(QStringLiteral("cbMes"));
    cbMes->addItems(RelAniversariantes::meses());
    cbMes->setMinimumWidth(240);
    chkEmail = new QCheckBox(QStringLiteral("Com Email"), grupo);
    chkTelefone = new QCheckBox(QStringLiteral("Com Telefone"), grupo);
    g->addWidget(rbDia, 0, 0);
    g->addWidget(edtDia, 0, 1);
    g->addWidget(rbMes, 1, 0);
    g->addWidget(cbMes, 1, 1);
    g->addWidget(chkEmail, 2, 0);
    g->addWidget(chkTelefone, 2, 1);
    layout->addWidget(grupo);

    auto *botoes = new QHBoxLayout;
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnImprimir->setToolTip(QStringLiteral("Imprimir"));
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    btnSair->setToolTip(QStringLiteral("Sair"));
    btnImprimir->setAutoDefault(false);
    btnSair->setAutoDefault(false);
    botoes->addStretch();
    botoes->addWidget(btnImprimir);
    botoes->addWidget(btnSair);
    layout->addLayout(botoes);

    connect(rbDia, &QRadioButton::clicked, this, &TFrmRelAniversariantes::rbDiaClick);
    connect(rbMes, &QRadioButton::clicked, this, &TFrmRelAniversariantes::rbMesClick);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelAniversariantes::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmRelAniversariantes::btnSairClick);
    rbDia->setChecked(true);
    rbDiaClick();
    AcaoAtual(RelAniversariantes::kTitulo);
}

void TFrmRelAniversariantes::rbDiaClick()
{
    cbMes->setCurrentIndex(0);
    cbMes->setEnabled(false);
    edtDia->setEnabled(true);
    edtDia->setText(Relogio::hoje().toString(QStringLiteral("dd/MM")));
    edtDia->setFocus();
}

void TFrmRelAniversariantes::rbMesClick()
{
    edtDia->clear();
    edtDia->setEnabled(false);
    cbMes->setEnabled(true);
    cbMes->setCurrentIndex(Relogio::hoje().month());
    cbMes->setFocus();
}

RelAniversariantes::Filtro TFrmRelAniversariantes::filtro() const
{
    RelAniversariantes::Filtro f;
    f.porMes = rbMes->isChecked();
    f.mes = cbMes->currentIndex();
    f.dia = edtDia->displayText();
    f.textoMes = cbMes->currentText();
    f.comEmail = chkEmail->isChecked();
    f.comTelefone = chkTelefone->isChecked();
    return f;
}

void TFrmRelAniversariantes::btnImprimirClick()
{
    const RelAniversariantes::Filtro f = filtro();
    const Relatorio rel = RelAniversariantes::relatorio(f, RelAniversariantes::linhas(f));
    RelatorioPintura::exibir(rel, RelAniversariantes::textoLog(f), RelatorioPintura::Destino::Visualizar, {}, this);
}

void TFrmRelAniversariantes::btnSairClick() { reject(); }

void abrirRelAniversariantes(QWidget *parent)
{
    Telas::abrir<TFrmRelAniversariantes>(FrmRelAniversariantes, parent);
}
