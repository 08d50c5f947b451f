#include "stays/UnitRelCafe.h"
#include "base/CabecalhoTela.h"
#include "base/RelatorioPintura.h"
#include "base/Relogio.h"
#include "base/TelaRelatorio.h"
#include "base/Telas.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSet>
#include <QPushButton>
#include <QVBoxLayout>

TFrmRelCafe *FrmRelCafe = nullptr;

namespace RelCafe {

QList<Linha> linhas()
{
    return DM->Conexao.lerTodas(QStringLiteral(
        "SELECT H.ID_HOSPEDE, H.NOME, W.ID_UH, U.NUMERO FROM HOSPEDE H JOIN WALK_IN W ON W.ID_WALK_IN = H.ID_ENTRADA "
        "LEFT JOIN UH U ON U.ID_UH = W.ID_UH WHERE W.BAIXA = 'N' AND W.EXCLUIDO = 'N' AND H.BAIXA = 'N' "
        "ORDER BY CHAR_LENGTH(U.NUMERO), U.NUMERO, W.ID_UH, H.ID_HOSPEDE"));
}

Relatorio relatorio(const QDate &hoje, const QList<Linha> &linhas)
{
    Relatorio rel(kTitulo);
    rel.linhaCabecalho(QStringLiteral("(Data: ") + hoje.toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(')'));
    // room captions: light grey under silver bands, white with the wide logo
    Relatorio::Formato f = rel.formato();
    f.corGrupo = rel.ambiente().logoLargo ? QColor(Qt::white) : QColor(0xE2, 0xE2, 0xE2);
    rel.formato(f);
    rel.coluna(QStringLiteral("HÓSPEDE"), 70);
    rel.coluna(QString(), 10, Relatorio::Tipo::Texto, false, Relatorio::Alinhamento::Centro);
    rel.coluna(QString(), 10, Relatorio::Tipo::Texto, false, Relatorio::Alinhamento::Centro);
    QSet<qint64> quartos;
    for (const Linha &l : linhas) {
        const qint64 uh = l.inteiro(QStringLiteral("ID_UH"));
        quartos.insert(uh);
        rel.grupo(QStringLiteral("UH: ") + l.texto(QStringLiteral("NUMERO")));
        rel.linha({l.texto(QStringLiteral("NOME")), "---", "OK"});
    }
    rel.resumo(QStringLiteral("Qtd. de Cafés a serem Servidos: "), qint64(linhas.size()));
    rel.resumo(QStringLiteral("Qtd. de UHs: "), qint64(quartos.size()));
    return rel;
}

} // namespace RelCafe

TFrmRelCafe::TFrmRelCafe(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Relatório - Café da Manhã"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    imgCabecalho->setPixmap(imagemPadrao());
    layout->addWidget(imgCabecalho);
    auto *botoes = new QHBoxLayout;
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnImprimir, btnSair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    layout->addLayout(botoes);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelCafe::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmRelCafe::btnSairClick);
    TelaRelatorio::acaoAoAtivar(this, QStringLiteral("Relatório de Café da Manhã"));
}

void TFrmRelCafe::btnImprimirClick()
{
    RelatorioPintura::exibir(RelCafe::relatorio(Relogio::hoje(), RelCafe::linhas()), RelCafe::kTitulo,
                             RelatorioPintura::Destino::Visualizar, {}, this,
                             RelatorioPintura::Registro::VisualizacaoEImpressao);
}

void TFrmRelCafe::btnSairClick() { reject(); }

void abrirRelCafe(QWidget *parent) { Telas::abrir<TFrmRelCafe>(FrmRelCafe, parent); }
