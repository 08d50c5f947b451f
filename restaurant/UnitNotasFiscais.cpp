#include "restaurant/UnitNotasFiscais.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/Telas.h"
#include "base/CamposEdicao.h"
#include "restaurant/NotasFiscais.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TFrmNotasFiscais *FrmNotasFiscais = nullptr;

TFrmNotasFiscais::TFrmNotasFiscais(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Notas Fiscais"));
    resize(900, 600);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    lista = new TelaLista(this);
    dbgNF = lista->grade();
    dbgNF->setObjectName(QStringLiteral("dbgNF"));
    lista->definirConsulta(NotasFiscais::sqlLista());
    lista->definirColunas({{QStringLiteral("DATA_ENTRADA"), QStringLiteral("Data de Entrada"), FormatoColuna::Data, 110},
                           {QStringLiteral("DATA_SAIDA"), QStringLiteral("Data de Saída"), FormatoColuna::Data, 110},
                           {QStringLiteral("QTD_ADULTOS"), QStringLiteral("Qtd. Hóspedes"), FormatoColuna::Texto, 100},
                           {QStringLiteral("NUMERO"), QStringLiteral("UH"), FormatoColuna::Texto, 70},
                           {QStringLiteral("NOME"), QStringLiteral("Nome"), FormatoColuna::Texto, 300},
                           {QStringLiteral("VALOR"), QStringLiteral("Valor das Diárias"), FormatoColuna::Dinheiro, 130}});
    layout->addWidget(dbgNF, 1);

    pnlNota = new QGroupBox(QStringLiteral("Informe os dados da Nota Fiscal"), this);
    pnlNota->setObjectName(QStringLiteral("pnlNota"));
    auto *campos = new QFormLayout(pnlNota);
    cbCliente = new QComboBox(pnlNota);
    cbCliente->setObjectName(QStringLiteral("cbCliente"));
    cbCliente->setMinimumWidth(420);
    edtHospedes = new QLineEdit(pnlNota);
    edtHospedes->setObjectName(QStringLiteral("edtHospedes"));
    edtHospedes->setMaxLength(4);
    edtHospedes->setMaximumWidth(80);
    dtEntrada = new QDateEdit(pnlNota);
    dtSaida = new QDateEdit(pnlNota);
    for (QDateEdit *d : {dtEntrada, dtSaida}) {
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setCalendarPopup(true);
    }
    cbUH = new QComboBox(pnlNota);
    cbUH->setObjectName(QStringLiteral("cbUH"));
    edtValor = new QLineEdit(QStringLiteral("0,00"), pnlNota);
    edtValor->setObjectName(QStringLiteral("edtValor"));
    edtValor->setMaxLength(20);
    edtValor->setMaximumWidth(140);
    edtValor->setAlignment(Qt::AlignRight);
    CamposEdicao::dinheiro(edtValor);
    btnConfirmar = new QPushButton(QStringLiteral("Confirmar"), pnlNota);
    btnCancelar = new QPushButton(QStringLiteral("Cancelar"), pnlNota);
    campos->addRow(QStringLiteral("Cliente:"), cbCliente);
    campos->addRow(QStringLiteral("Qtd. de Hóspedes:"), edtHospedes);
    campos->addRow(QStringLiteral("Data de Entrada:"), dtEntrada);
    campos->addRow(QStringLiteral("Data de Saida:"), dtSaida);
    campos->addRow(QStringLiteral("UH:"), cbUH);
    campos->addRow(QStringLiteral("Valor Total das Diarias: R$"), edtValor);
    auto *botoesNota = new QHBoxLayout;
    botoesNota->addStretch();
    botoesNota->addWidget(btnConfirmar);
    botoesNota->addWidget(btnCancelar);
    campos->addRow(botoesNota);
    layout->addWidget(pnlNota);
    pnlNota->hide();
    // Enter moves to the next field, except on the two buttons.
    for (QWidget *w : std::initializer_list<QWidget *>{cbCliente, edtHospedes, dtEntrada, dtSaida, cbUH, edtValor})
        w->installEventFilter(this);

    auto *botoes = new QHBoxLayout;
    btnNovo = new QPushButton(QStringLiteral("Nova Nota Fiscal"), this);
    btnExcluir = new QPushButton(QStringLiteral("Excluir Nota Fiscal"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnNovo, btnExcluir, btnSair, btnConfirmar, btnCancelar})
        b->setAutoDefault(false);
    botoes->addWidget(btnNovo);
    botoes->addWidget(btnExcluir);
    botoes->addStretch();
    botoes->addWidget(btnSair);
    layout->addLayout(botoes);

    connect(btnNovo, &QPushButton::clicked, this, &TFrmNotasFiscais::btnNovoClick);
    connect(btnExcluir, &QPushButton::clicked, this, &TFrmNotasFiscais::btnExcluirClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmNotasFiscais::btnSairClick);
    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmNotasFiscais::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmNotasFiscais::btnCancelarClick);
}

void TFrmNotasFiscais::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    reabrir();
    dbgNF->setFocus();
}

void TFrmNotasFiscais::reabrir()
{
    lista->reabrir();
    if (lista->vazia())
        return;
    lista->modelo()->buscarTodas();
    lista->irParaLinha(lista->modelo()->total() - 1);
}

bool TFrmNotasFiscais::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        auto *combo = qobject_cast<QComboBox *>(o);
        if ((k == Qt::Key_Return || k == Qt::Key_Enter) && !(combo && combo->view()->isVisible())) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmNotasFiscais::btnNovoClick()
{
    cbCliente->clear();
    for (const Linha &l : DM->Conexao.lerTodas(NotasFiscais::sqlClientes()))
        cbCliente->addItem(l.texto(QStringLiteral("CNPJ_CPF")) + QStringLiteral(" - ") + l.texto(QStringLiteral("NOME")),
                           l.inteiro(QStringLiteral("ID_CLIENTE")));
    cbUH->clear();
    for (const Linha &l : DM->Conexao.lerTodas(NotasFiscais::sqlUHs()))
        cbUH->addItem(l.texto(QStringLiteral("NUMERO")) + QStringLiteral(" - ") + l.texto(QStringLiteral("ABREV")),
                      l.inteiro(QStringLiteral("ID_UH")));
    cbCliente->setCurrentIndex(-1);
    cbUH->setCurrentIndex(-1);
    dtEntrada->setDate(Relogio::hoje());
    dtSaida->setDate(Relogio::hoje());
    edtHospedes->setText(QStringLiteral("1"));
    edtValor->setText(QStringLiteral("0,00"));
    pnlNota->show();
    cbCliente->setFocus();
}

void TFrmNotasFiscais::btnConfirmarClick()
{
    NotasFiscais::Nota n;
    n.entrada = dtEntrada->date();
    n.saida = dtSaida->date();
    n.hospedes = edtHospedes->text();
    n.idUH = cbUH->currentIndex() < 0 ? 0 : cbUH->currentData().toLongLong();
    n.idCliente = cbCliente->currentIndex() < 0 ? 0 : cbCliente->currentData().toLongLong();
    n.valor = CamposEdicao::formatarDinheiro(edtValor->text());
    const NotasFiscais::Resultado r = NotasFiscais::incluir(DM->Conexao, n);
    if (!r.feito) {
        Mensagem::info(r.mensagem);
        using C = NotasFiscais::Campo;
        QWidget *foco = r.foco == C::Saida      ? static_cast<QWidget *>(dtSaida)
                        : r.foco == C::Hospedes ? static_cast<QWidget *>(edtHospedes)
                        : r.foco == C::UH       ? static_cast<QWidget *>(cbUH)
                        : r.foco == C::Cliente  ? static_cast<QWidget *>(cbCliente)
                                                : static_cast<QWidget *>(edtValor);
        foco->setFocus();
        return;
    }
    reabrir();
    Mensagem::info(r.mensagem);
    pnlNota->hide();
    dbgNF->setFocus();
}

void TFrmNotasFiscais::btnCancelarClick()
{
    pnlNota->hide();
    dbgNF->setFocus();
}

void TFrmNotasFiscais::btnExcluirClick()
{
    if (lista->vazia())
        return;
    const qint64 id = lista->inteiro(QStringLiteral("ID_NF"));
    if (id <= 0) {
        Mensagem::info(NotasFiscais::kMsgNaoExcluivel);
        return;
    }
    if (!TelaLista::confirmar(NotasFiscais::kMsgConfirmaExclusao))
        return;
    const NotasFiscais::Resultado r = NotasFiscais::excluir(DM->Conexao, id);
    reabrir();
    Mensagem::info(r.mensagem);
}

void TFrmNotasFiscais::btnSairClick() { reject(); }

void abrirNotasFiscais() { Telas::abrir<TFrmNotasFiscais>(FrmNotasFiscais); }
