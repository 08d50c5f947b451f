#include "restaurant/UnitHistoricoMov.h"
#include "base/CabecalhoTela.h"
#include "base/Relogio.h"
#include "base/TelaEdicao.h"
#include "restaurant/Itens.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TFrmHistoricoMov *FrmHistoricoMov = nullptr;

TFrmHistoricoMov::TFrmHistoricoMov(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Histórico de Movimentações"));
    resize(980, 600);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    lista = new TelaLista(this);
    dbgHistorico = lista->grade();
    dbgHistorico->setObjectName(QStringLiteral("dbgHistorico"));
    lista->definirConsulta(Itens::sqlHistorico());
    lista->definirColunas({{QStringLiteral("DATA"), QStringLiteral("Data"), FormatoColuna::Data, 90},
                           {QStringLiteral("USUARIO"), QStringLiteral("Usuário"), FormatoColuna::Texto, 100},
                           {QStringLiteral("TIPO"), QStringLiteral("Adição (+) / Baixa (-)"), FormatoColuna::Texto, 150,
                            Qt::AlignHCenter},
                           {QStringLiteral("ITEM"), QStringLiteral("Item"), FormatoColuna::Texto, 260},
                           {QStringLiteral("QTD"), QStringLiteral("Quantidade"), FormatoColuna::Texto, 90},
                           {QStringLiteral("DESCRICAO"), QStringLiteral("Justificativa"), FormatoColuna::Texto, 300}});
    lista->definirChave(QStringLiteral("ID_ITEM_HISTORICO"));
    lista->definirAcaoAtual(QStringLiteral("Histórico de Movimentação de Itens de Estoque"));

    pnlFiltros = new QGroupBox(QStringLiteral("Filtros"), this);
    pnlFiltros->setObjectName(QStringLiteral("pnlFiltros"));
    auto *filtros = new QHBoxLayout(pnlFiltros);
    rbUsuario = new QRadioButton(QStringLiteral("Usuário"), pnlFiltros);
    rbData = new QRadioButton(QStringLiteral("Data"), pnlFiltros);
    rbUsuario->setChecked(true);
    cbUsuario = new QComboBox(pnlFiltros);
    cbUsuario->setObjectName(QStringLiteral("cbUsuario"));
    cbUsuario->setMinimumWidth(160);
    dtData = new QDateEdit(pnlFiltros);
    dtData->setObjectName(QStringLiteral("dtData"));
    dtData->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    dtData->setCalendarPopup(true);
    btnBuscar = new QToolButton(pnlFiltros);
    btnBuscar->setText(QStringLiteral("Buscar"));
    btnFecharFiltro = new QToolButton(pnlFiltros);
    btnFecharFiltro->setText(QStringLiteral("x"));
    filtros->addWidget(rbUsuario);
    filtros->addWidget(rbData);
    filtros->addWidget(cbUsuario);
    filtros->addWidget(dtData);
    filtros->addWidget(btnBuscar);
    filtros->addStretch();
    filtros->addWidget(btnFecharFiltro);
    layout->addWidget(pnlFiltros);
    pnlFiltros->hide();
    layout->addWidget(dbgHistorico, 1);
    cbUsuario->installEventFilter(this);
    dtData->installEventFilter(this);

    auto *botoes = new QHBoxLayout;
    btnFiltros = new QPushButton(QStringLiteral("Filtros"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnFiltros, btnSair})
        b->setAutoDefault(false);
    botoes->addWidget(btnFiltros);
    botoes->addStretch();
    botoes->addWidget(btnSair);
    layout->addLayout(botoes);
    lista->criarAtalhos({{QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnSair}});

    connect(btnFiltros, &QPushButton::clicked, this, &TFrmHistoricoMov::btnFiltrosClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmHistoricoMov::btnSairClick);
    connect(btnBuscar, &QToolButton::clicked, this, &TFrmHistoricoMov::btnBuscarClick);
    connect(btnFecharFiltro, &QToolButton::clicked, this, &TFrmHistoricoMov::btnFecharFiltroClick);
    connect(rbUsuario, &QRadioButton::clicked, this, &TFrmHistoricoMov::rbUsuarioClick);
    connect(rbData, &QRadioButton::clicked, this, &TFrmHistoricoMov::rbDataClick);
}

void TFrmHistoricoMov::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    lista->reabrir();
    dbgHistorico->setFocus();
}

void TFrmHistoricoMov::btnFiltrosClick()
{
    pnlFiltros->show();
    rbUsuario->setChecked(true);
    rbUsuarioClick();
}

// "Usuário": the logins read again, nothing chosen, the choice shown and focused.
void TFrmHistoricoMov::rbUsuarioClick()
{
    cbUsuario->clear();
    for (const Linha &l : DM->Conexao.lerTodas(QStringLiteral("SELECT LOGIN FROM USUARIO ORDER BY LOGIN")))
        cbUsuario->addItem(l.texto(QStringLiteral("LOGIN")));
    cbUsuario->setCurrentIndex(-1);
    dtData->hide();
    cbUsuario->show();
    cbUsuario->setFocus();
}

// "Data": a date field set to today, focused.
void TFrmHistoricoMov::rbDataClick()
{
    dtData->setDate(Relogio::hoje());
    cbUsuario->hide();
    dtData->show();
    dtData->setFocus();
}

bool TFrmHistoricoMov::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (o == cbUsuario && k == Qt::Key_Down && !cbUsuario->view()->isVisible()) {
            rbData->setChecked(true);
            rbDataClick();
            return true;
        }
        if (o == dtData && k == Qt::Key_Up) {
            rbUsuario->setChecked(true);
            rbUsuarioClick();
            return true;
        }
        if ((o == cbUsuario || o == dtData) && (k == Qt::Key_Return || k == Qt::Key_Enter)) {
            btnBuscarClick();
            return true;
        }
        if ((o == cbUsuario || o == dtData) && k == Qt::Key_Escape) {
            btnFecharFiltroClick();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmHistoricoMov::btnBuscarClick()
{
    if (rbData->isChecked())
        lista->modelo()->definirConsulta(Itens::sqlHistoricoData(), {dtData->date()});
    else
        lista->modelo()->definirConsulta(Itens::sqlHistoricoUsuario(), {cbUsuario->currentText()});
    lista->reabrir();
    btnFecharFiltroClick();
}

void TFrmHistoricoMov::btnFecharFiltroClick()
{
    pnlFiltros->hide();
    dbgHistorico->setFocus();
}

void TFrmHistoricoMov::btnSairClick() { reject(); }
