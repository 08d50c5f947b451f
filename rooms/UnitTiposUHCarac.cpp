#include "rooms/UnitTiposUHCarac.h"
#include "base/CabecalhoTela.h"
#include "rooms/CaracUH.h"
#include "rooms/TiposUH.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TFrmTiposUHCarac *FrmTiposUHCarac = nullptr;

TFrmTiposUHCarac::TFrmTiposUHCarac(qint64 tipo, std::function<void(qint64)> aoAdicionar, QWidget *parent)
    : QDialog(parent)
    , m_tipo(tipo)
    , m_aoAdicionar(std::move(aoAdicionar))
{
    setWindowTitle(QStringLiteral("Adicione as Características ao Tipo de UH"));
    resize(560, 460);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);
    lista = new TelaLista(this);
    dbgCarac = lista->grade();
    dbgCarac->setObjectName(QStringLiteral("dbgCarac"));
    lista->definirConsulta(TiposUH::kSqlCaracteristicasLivres, {tipo});
    lista->definirColunas({{QStringLiteral("ID_CARAC_UH"), QStringLiteral("Código"), FormatoColuna::Texto, 70},
                           {QStringLiteral("DESCRICAO"), QStringLiteral("Descrição"), FormatoColuna::Texto, 300},
                           {QStringLiteral("SIMBOLO"), QStringLiteral("Símbolo"), FormatoColuna::Texto, 70}});
    dbgCarac->setItemDelegateForColumn(2, new DelegateSimbolo(false, dbgCarac));
    dbgCarac->verticalHeader()->setDefaultSectionSize(24);
    dbgCarac->installEventFilter(this);
    layout->addWidget(dbgCarac, 1);
    auto *botoes = new QHBoxLayout;
    btnAdicionar = new QPushButton(QStringLiteral("Adicionar"), this);
    btnFechar = new QPushButton(QStringLiteral("Fechar"), this);
    for (QPushButton *b : {btnAdicionar, btnFechar}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    botoes->insertStretch(0);
    layout->addLayout(botoes);
    connect(btnAdicionar, &QPushButton::clicked, this, &TFrmTiposUHCarac::btnAdicionarClick);
    connect(btnFechar, &QPushButton::clicked, this, &TFrmTiposUHCarac::btnFecharClick);
    connect(lista, &TelaLista::ativada, this, &TFrmTiposUHCarac::btnAdicionarClick);
}

void TFrmTiposUHCarac::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    lista->reabrir();
    dbgCarac->setFocus();
}

void TFrmTiposUHCarac::btnAdicionarClick()
{
    if (!lista->vazia()) {
        const int linha = lista->linhaAtual();
        const qint64 id = TiposUH::anexarCaracteristica(DM->Conexao, m_tipo, lista->inteiro(QStringLiteral("ID_CARAC_UH")));
        if (id > 0 && m_aoAdicionar)
            m_aoAdicionar(id);
        lista->reabrir();
        lista->irParaLinha(qMin(linha, lista->modelo()->total() - 1));
    } else {
        lista->reabrir();
    }
    dbgCarac->setFocus();
}

void TFrmTiposUHCarac::btnFecharClick() { reject(); }

bool TFrmTiposUHCarac::eventFilter(QObject *o, QEvent *e)
{
    // a letter typed in the grid goes to the first description starting with it
    if (o == dbgCarac && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        const QString t = k->text();
        if (t.size() == 1 && t.at(0).isPrint() && !t.at(0).isSpace()) {
            ModeloConsulta *m = lista->modelo();
            for (int i = 0; i < m->total(); ++i)
                if (m->texto(i, QStringLiteral("DESCRICAO")).startsWith(t, Qt::CaseInsensitive)) {
                    lista->irParaLinha(i);
                    break;
                }
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}
