#include "core/UnitAnulacoes.h"
#include "base/CabecalhoTela.h"
#include "base/Anulacao.h"
#include "base/Mensagem.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "core/UnitUsuarios.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

TFrmAnulacoes *FrmAnulacoes = nullptr;

TFrmAnulacoes::TFrmAnulacoes(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Lixeira"));
    resize(720, 480);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    // The eight kinds in two rows of four.
    pnlTipos = new QGroupBox(this);
    auto *tipos = new QGridLayout(pnlTipos);
    for (const Lixeira::Definicao &d : Lixeira::definicoes()) {
        auto *rb = new QRadioButton(d.legenda, pnlTipos);
        tipos->addWidget(rb, int(rbTipos.size()) / 4, int(rbTipos.size()) % 4);
        rbTipos.append(rb);
        const Lixeira::Tipo t = d.tipo;
        connect(rb, &QRadioButton::clicked, this, [this, t] { escolher(t); });
    }
    layout->addWidget(pnlTipos);

    lista = new TelaLista(this);
    dbgAnulado = lista->grade();
    dbgAnulado->setObjectName(QStringLiteral("dbgAnulado"));
    lista->definirAcaoAtual(QStringLiteral("Anulações"));
    layout->addWidget(dbgAnulado, 1);
    connect(lista, &TelaLista::ativada, this, &TFrmAnulacoes::dbgAnuladoDblClick);

    auto *rodape = new QHBoxLayout;
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    btnSair->setAutoDefault(false);
    rodape->addStretch();
    rodape->addWidget(btnSair);
    layout->addLayout(rodape);
    connect(btnSair, &QPushButton::clicked, this, &TFrmAnulacoes::btnSairClick);
}

void TFrmAnulacoes::escolher(Lixeira::Tipo tipo)
{
    const Lixeira::Definicao &d = Lixeira::definicao(tipo);
    m_tipo = tipo;
    m_escolhido = true;
    rbTipos[int(tipo)]->setChecked(true);
    lista->modelo()->fechar();
    lista->definirConsulta(d.sql);
    lista->definirColunas({{d.colunaChave, QStringLiteral("Código"), FormatoColuna::Texto, 80},
                           {d.colunaTexto, d.tituloTexto}});
    lista->reabrir();
}

void TFrmAnulacoes::dbgAnuladoDblClick()
{
    if (!m_escolhido || lista->vazia())
        return;
    const Lixeira::Definicao &d = Lixeira::definicao(m_tipo);
    if (!d.recusa.isEmpty()) {
        Mensagem::info(d.recusa);
        return;
    }
    if (!Mensagem::pergunta(Lixeira::kPergunta))
        return;
    Lixeira::ResultadoRestauro r;
    try {
        r = Lixeira::restaurar(DM->Conexao, m_tipo, lista->inteiro(d.colunaChave));
    } catch (...) {
        // The restore may be saved and only the copy into the point of sale
        // have failed: the list shows what the database now holds.
        lista->reabrir();
        throw;
    }
    lista->reabrir();
    Mensagem::info(r.mensagem);
}

void TFrmAnulacoes::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        imgCabecalho->setPixmap(imagemPadrao());
}

void TFrmAnulacoes::btnSairClick() { reject(); }

void abrirAnulacoes() { Telas::abrir<TFrmAnulacoes>(FrmAnulacoes); }
