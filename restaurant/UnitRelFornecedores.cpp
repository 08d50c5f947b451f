#include "restaurant/UnitRelFornecedores.h"
#include "base/CabecalhoTela.h"
#include "base/RelatorioPintura.h"
#include "base/Telas.h"
#include "base/UnitLog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmRelFornecedores *FrmRelFornecedores = nullptr;

namespace RelFornecedores {

QList<Linha> linhas(qint64 idFornecedor)
{
    if (idFornecedor > 0)
        return DM->Conexao.lerTodas(QStringLiteral("SELECT * FROM FORNECEDOR WHERE ID_FORNECEDOR = ?"), {idFornecedor});
    return DM->Conexao.lerTodas(QStringLiteral("SELECT * FROM FORNECEDOR ORDER BY NOME, ID_FORNECEDOR"));
}

Relatorio relatorio(const QString &escolha, const QList<Linha> &linhas)
{
    Relatorio rel(kTitulo);
    rel.opcoes(escolha);
    rel.coluna(QString(), 18);
    rel.coluna(QString(), 32);
    rel.coluna(QString(), 18);
    rel.coluna(QString(), 32);
    for (const Linha &f : linhas) {
        auto t = [&](const char *col) { return f.texto(QString::fromLatin1(col)); };
        rel.linha({QStringLiteral("NOME...................:"), t("NOME"), QStringLiteral("CNPJ / CPF..........:"),
                   t("CNPJ_CPF")});
        rel.linha({QStringLiteral("RG / INSCRIÇÃO ESTADUAL:"), t("RG_INSC_EST"), QStringLiteral("UF:"), t("ESTADO")});
        rel.linha({QStringLiteral("ENDEREÇO...........:"), t("ENDERECO"), QStringLiteral("CIDADE:"), t("CIDADE")});
        rel.linha({QStringLiteral("BAIRRO:"), t("BAIRRO"), QStringLiteral("CEP:"), t("CEP")});
        rel.linha({QStringLiteral("CONTATO.............:"), t("CONTATO"), QStringLiteral("FONE:"), t("FONE_1")});
        rel.linha({QStringLiteral("FAX:"), t("FAX"), QStringLiteral("EMAIL...................:"), t("EMAIL")});
        rel.linha({QStringLiteral("OBSERVAÇÕES.....:"), t("OBSERVACAO"), QString(), QString()});
        rel.texto(QString());
    }
    rel.resumo(QStringLiteral("TOTAL DE FORNECEDORES:"), qint64(linhas.size()));
    return rel;
}

} // namespace RelFornecedores

TFrmRelFornecedores::TFrmRelFornecedores(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Relatório - Fornecedores"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    imgCabecalho->setPixmap(imagemPadrao());
    layout->addWidget(imgCabecalho);
    cbFornecedores = new QComboBox(this);
    cbFornecedores->setObjectName(QStringLiteral("cbFornecedores"));
    cbFornecedores->setMinimumWidth(380);
    cbFornecedores->addItem(RelFornecedores::kTodos, 0);
    for (const Linha &l :
         DM->Conexao.lerTodas(QStringLiteral("SELECT ID_FORNECEDOR, NOME FROM FORNECEDOR ORDER BY NOME")))
        cbFornecedores->addItem(l.texto(QStringLiteral("NOME")), l.inteiro(QStringLiteral("ID_FORNECEDOR")));
    cbFornecedores->installEventFilter(this);
    layout->addWidget(cbFornecedores);
    auto *botoes = new QHBoxLayout;
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    botoes->addStretch();
    botoes->addWidget(btnImprimir);
    botoes->addWidget(btnSair);
    layout->addLayout(botoes);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelFornecedores::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmRelFornecedores::btnSairClick);
    AcaoAtual(RelFornecedores::kTitulo);
}

bool TFrmRelFornecedores::eventFilter(QObject *o, QEvent *e)
{
    if (o == cbFornecedores && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            btnImprimirClick();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmRelFornecedores::btnImprimirClick()
{
    const QString escolha = cbFornecedores->currentText();
    const Relatorio rel =
        RelFornecedores::relatorio(escolha, RelFornecedores::linhas(cbFornecedores->currentData().toLongLong()));
    RelatorioPintura::exibir(rel, RelFornecedores::kTitulo + QStringLiteral(" (") + escolha + QLatin1Char(')'),
                             RelatorioPintura::Destino::Visualizar, {}, this);
}

void TFrmRelFornecedores::btnSairClick() { reject(); }

void abrirRelFornecedores() { Telas::abrir<TFrmRelFornecedores>(FrmRelFornecedores); }
