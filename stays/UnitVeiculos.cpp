#include "stays/UnitVeiculos.h"
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

TFrmVeiculos *FrmVeiculos = nullptr;

namespace Veiculos {

const QString kSqlLista = QStringLiteral(
    "SELECT V.ID_VEICULO, V.MODELO, V.PLACA, V.ID_ENTRADA, V.BAIXA, W.ID_UH, UH.NUMERO FROM VEICULO V "
    "JOIN WALK_IN W ON W.ID_WALK_IN = V.ID_ENTRADA LEFT JOIN UH ON UH.ID_UH = W.ID_UH "
    "WHERE W.BAIXA = 'N' AND V.BAIXA = 'N' ORDER BY V.MODELO, V.ID_VEICULO");

const QString kSqlBusca = QStringLiteral(
    "SELECT V.ID_VEICULO, V.MODELO, V.PLACA, V.ID_ENTRADA, V.BAIXA, W.ID_UH, UH.NUMERO FROM VEICULO V "
    "JOIN WALK_IN W ON W.ID_WALK_IN = V.ID_ENTRADA LEFT JOIN UH ON UH.ID_UH = W.ID_UH "
    "WHERE V.BAIXA = 'N' AND %1 ORDER BY V.MODELO, V.ID_VEICULO");

} // namespace Veiculos

TFrmVeiculos::TFrmVeiculos(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Veículos"));
    resize(820, 520);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    lista = new TelaLista(this);
    dbgVeiculos = lista->grade();
    dbgVeiculos->setObjectName(QStringLiteral("dbgVeiculos"));
    lista->definirConsulta(Veiculos::kSqlLista);
    lista->definirColunas({{QStringLiteral("ID_VEICULO"), QStringLiteral("Código"), FormatoColuna::Texto, 70},
                           {QStringLiteral("MODELO"), QStringLiteral("Modelo"), FormatoColuna::Texto, 260},
                           {QStringLiteral("PLACA"), QStringLiteral("Placa"), FormatoColuna::Texto, 110},
                           {QStringLiteral("ID_ENTRADA"), QStringLiteral("Cód. Entrada"), FormatoColuna::Texto, 100},
                           {QStringLiteral("NUMERO"), QStringLiteral("Número UH"), FormatoColuna::Texto, 90}});
    lista->definirChave(QStringLiteral("ID_VEICULO"));
    lista->definirAcaoAtual(QStringLiteral("Hóspedes"));
    FiltroLista filtro;
    filtro.modelo = Veiculos::kSqlBusca;
    filtro.opcoes = {{QStringLiteral("Placa"), QStringLiteral("V.PLACA")}};
    filtro.maximo = 8;
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
    layout->addWidget(dbgVeiculos, 1);

    auto *botoes = new QHBoxLayout;
    btnFiltros = new QPushButton(QStringLiteral("Filtros"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnFiltros, btnSair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    layout->addLayout(botoes);
    lista->criarAtalhos({{QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnSair}});
    connect(btnFiltros, &QPushButton::clicked, this, &TFrmVeiculos::btnFiltrosClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmVeiculos::btnSairClick);
    FluxoLista::abrirAoMostrar(lista);
}

void TFrmVeiculos::btnFiltrosClick()
{
    lista->opcoesFiltro().first()->setChecked(true);
    lista->edtFiltro()->clear();
    lista->mostrarFiltro();
}

void TFrmVeiculos::btnSairClick() { reject(); }

void abrirVeiculos(QWidget *parent) { Telas::abrir<TFrmVeiculos>(FrmVeiculos, parent); }
