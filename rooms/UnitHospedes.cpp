#include "rooms/UnitHospedes.h"
#include "base/CabecalhoTela.h"
#include "base/FluxoLista.h"
#include "base/Telas.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QLayout>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TFrmHospedes *FrmHospedes = nullptr;

namespace Hospedes {

const QString kSqlLista = QStringLiteral(
    "SELECT H.ID_HOSPEDE, H.NOME, H.ID_ENTRADA, H.BAIXA, W.ID_UH, UH.NUMERO FROM HOSPEDE H "
    "JOIN WALK_IN W ON W.ID_WALK_IN = H.ID_ENTRADA JOIN UH ON UH.ID_UH = W.ID_UH "
    "WHERE W.BAIXA = 'N' AND H.BAIXA = 'N' ORDER BY H.NOME, H.ID_HOSPEDE");

const QString kSqlBusca = QStringLiteral(
    "SELECT H.ID_HOSPEDE, H.NOME, H.ID_ENTRADA, H.BAIXA, W.ID_UH, UH.NUMERO FROM HOSPEDE H "
    "JOIN WALK_IN W ON W.ID_WALK_IN = H.ID_ENTRADA JOIN UH ON UH.ID_UH = W.ID_UH "
    "WHERE H.BAIXA = 'N' AND %1 ORDER BY H.NOME, H.ID_HOSPEDE");

} // namespace Hospedes

TFrmHospedes::TFrmHospedes(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Hóspedes"));
    resize(820, 520);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    lista = new TelaLista(this);
    dbgHospedes = lista->grade();
    dbgHospedes->setObjectName(QStringLiteral("dbgHospedes"));
    lista->definirConsulta(Hospedes::kSqlLista);
    lista->definirColunas({{QStringLiteral("ID_HOSPEDE"), QStringLiteral("Código"), FormatoColuna::Texto, 70},
                           {QStringLiteral("NOME"), QStringLiteral("Nome"), FormatoColuna::Texto, 380},
                           {QStringLiteral("ID_ENTRADA"), QStringLiteral("Cód. Entrada"), FormatoColuna::Texto, 100},
                           {QStringLiteral("NUMERO"), QStringLiteral("Número UH"), FormatoColuna::Texto, 90}});
    lista->definirChave(QStringLiteral("ID_HOSPEDE"));
    lista->definirAcaoAtual(QStringLiteral("Hóspedes"));
    FiltroLista filtro;
    filtro.modelo = Hospedes::kSqlBusca;
    filtro.opcoes = {{QStringLiteral("Nome"), QStringLiteral("H.NOME")}};
    filtro.maximo = 90;
    QGroupBox *painel = lista->configurarFiltro(filtro);
    btnBuscar = new QToolButton(painel);
    btnBuscar->setText(QStringLiteral("Buscar"));
    lblFechar = new QToolButton(painel);
    lblFechar->setText(QStringLiteral("x"));
    lblFechar->setToolTip(QStringLiteral("Fechar Consulta"));
    lblFechar->setAutoRaise(true);
    painel->layout()->addWidget(btnBuscar);
    painel->layout()->addWidget(lblFechar);
    connect(btnBuscar, &QToolButton::clicked, lista, &TelaLista::buscar);
    connect(lblFechar, &QToolButton::clicked, lista, &TelaLista::esconderFiltro);
    layout->addWidget(painel);
    layout->addWidget(dbgHospedes, 1);

    auto *botoes = new QHBoxLayout;
    btnFiltros = new QPushButton(QStringLiteral("Filtros"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnFiltros, btnSair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    layout->addLayout(botoes);
    lista->criarAtalhos({{QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnSair}});
    connect(btnFiltros, &QPushButton::clicked, this, &TFrmHospedes::btnFiltrosClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmHospedes::btnSairClick);
    FluxoLista::abrirAoMostrar(lista);
}

void TFrmHospedes::btnFiltrosClick()
{
    lista->opcoesFiltro().first()->setChecked(true);
    lista->edtFiltro()->clear();
    lista->mostrarFiltro();
}

void TFrmHospedes::btnSairClick() { reject(); }

void abrirHospedes(QWidget *parent) { Telas::abrir<TFrmHospedes>(FrmHospedes, parent); }
