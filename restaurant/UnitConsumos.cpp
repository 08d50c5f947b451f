#include "restaurant/UnitConsumos.h"
#include "base/Digitacao.h"
#include "base/Grade.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/RelatorioPintura.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "restaurant/UnitMesas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

TFrmConsumos *FrmConsumos = nullptr;

void ligarContaMesa()
{
    TFrmMesas::abrirConta = [](TFrmMesas &m) { Telas::abrir<TFrmConsumos>(FrmConsumos, &m, &m); };
}

namespace {
QLabel *rotulo(const QString &t, QWidget *pai)
{
    auto *l = new QLabel(t, pai);
    l->setTextFormat(Qt::PlainText);
    return l;
}
QString tituloDe(const Mesas::Textos &t, qint64 mesa)
{
    return (t.cartao ? QStringLiteral("Consumos - Cartão ") : QStringLiteral("Consumos - Mesa ")) + QString::number(mesa);
}
} // namespace

TFrmConsumos::TFrmConsumos(TFrmMesas *mesas, QWidget *parent) : QDialog(parent), m_mesas(mesas)
{
    m_textos = mesas->textos;
    if (const auto m = mesas->mesaAtual())
        m_mesa = *m;
    setWindowTitle(tituloDe(m_textos, m_mesa.id));
    resize(980, 560);

    dbgConsumos = new QTableWidget(0, 6, this);
    dbgConsumos->setHorizontalHeaderLabels({QStringLiteral("Produto"), QStringLiteral("Qtd."),
                                            QStringLiteral("Valor Unit.(R$)"), QStringLiteral("Qtd. X Unit."),
                                            QStringLiteral("Viagem?"), QStringLiteral("Observação")});
    dbgConsumos->setSelectionBehavior(QAbstractItemView::SelectRows);
    dbgConsumos->setSelectionMode(QAbstractItemView::SingleSelection);
    dbgConsumos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dbgConsumos->setItemDelegate(new DelegateGrade(dbgConsumos));
    dbgConsumos->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    dbgConsumos->verticalHeader()->hide();

    lblTotal = rotulo(QStringLiteral("0,00"), this);
    QFont f = lblTotal->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    lblTotal->setFont(f);
    lblEmbalagem = rotulo(QStringLiteral("0,00"), this);
    lblTaxa = rotulo(QStringLiteral("0,00"), this);
    lblParcial = rotulo(QStringLiteral("0,00"), this);
    lblPorPessoa = rotulo(QStringLiteral("0,00"), this);
    lblAtendente = rotulo(QStringLiteral("Atendente:"), this);
    lblExtrato = rotulo(QStringLiteral("Extrato Impresso: 0 Vez(es)"), this);
    edtPessoas = new QLineEdit(QStringLiteral("1"), this);
    edtPessoas->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,6}")), edtPessoas));
    cbNaoCobrarTaxa = new QCheckBox(Consumos::kTituloTaxa, this);
    cbDesagrupados = new QCheckBox(QStringLiteral("Imprimir itens desagrupados"), this);
    btnAlterarConsumo = new QPushButton(QStringLiteral("Alterar Consumo Selecionado"), this);
    btnParcial = new QPushButton(QStringLiteral("Adicionar Pagamento Parcial"), this);
    btnTransferir = new QPushButton(QStringLiteral("Transferir Consumo Selecionado"), this);
    btnImprimir = new QPushButton(QStringLiteral("(F8) Imprimir Extrato"), this);
    btnFecharConta = new QPushButton(QStringLiteral("(F10) Fechar Conta"), this);
    btnConverterDav = new QPushButton(QStringLiteral("Converter em DAV"), this);
    for (QPushButton *b : {btnAlterarConsumo, btnParcial, btnTransferir, btnImprimir, btnFecharConta, btnConverterDav})
        b->setAutoDefault(false);

    pnlTransferir = new QFrame(this);
    pnlTransferir->setFrameShape(QFrame::Box);
    cbPara = new QComboBox(pnlTransferir);
    edtQuantidade = new QLineEdit(QStringLiteral("1"), pnlTransferir);
    btnConfirmarTransferencia = new QPushButton(QStringLiteral("Confirmar"), pnlTransferir);
    btnFecharTransferencia = new QPushButton(QStringLiteral("x"), pnlTransferir);
    btnConfirmarTransferencia->setAutoDefault(false);
    btnFecharTransferencia->setAutoDefault(false);
    {
        auto *g = new QGridLayout(pnlTransferir);
        g->addWidget(rotulo(QStringLiteral("Transferir Consumo"), pnlTransferir), 0, 0);
        g->addWidget(btnFecharTransferencia, 0, 1, Qt::AlignRight);
        g->addWidget(rotulo(QStringLiteral("Para:"), pnlTransferir), 1, 0);
        g->addWidget(cbPara, 1, 1);
        g->addWidget(rotulo(QStringLiteral("Quantidade:"), pnlTransferir), 2, 0);
        g->addWidget(edtQuantidade, 2, 1);
        g->addWidget(btnConfirmarTransferencia, 3, 1);
    }
    pnlTransferir->hide();

    auto *direita = new QVBoxLayout;
    direita->addWidget(rotulo(QStringLiteral("Valor Total dos Consumos (R$)"), this));
    direita->addWidget(lblTotal);
    auto linha = [&](const QString &t, QWidget *w) {
        auto *h = new QHBoxLayout;
        h->addWidget(rotulo(t, this));
        h->addWidget(w, 1);
        direita->addLayout(h);
    };
    linha(QStringLiteral("Embalagem: R$"), lblEmbalagem);
    linha(QStringLiteral("Taxa Serviço: R$"), lblTaxa);
    linha(QStringLiteral("Pagamento Parcial: R$"), lblParcial);
    linha(QStringLiteral("Quantidade de Pessoas:"), edtPessoas);
    linha(QStringLiteral("Valor por pessoa: R$"), lblPorPessoa);
    direita->addWidget(lblAtendente);
    direita->addWidget(lblExtrato);
    for (QWidget *w : std::initializer_list<QWidget *>{cbNaoCobrarTaxa, btnAlterarConsumo, btnParcial, btnTransferir,
                                                       pnlTransferir, cbDesagrupados, btnImprimir, btnFecharConta,
                                                       btnConverterDav})
        direita->addWidget(w);
    direita->addStretch();
    auto *h = new QHBoxLayout(this);
    h->addWidget(dbgConsumos, 1);
    h->addLayout(direita);

    connect(btnAlterarConsumo, &QPushButton::clicked, this, &TFrmConsumos::btnAlterarConsumoClick);
    connect(cbNaoCobrarTaxa, &QCheckBox::clicked, this, &TFrmConsumos::cbNaoCobrarTaxaClick);
    connect(edtPessoas, &QLineEdit::textChanged, this, &TFrmConsumos::edtPessoasChange);
    connect(btnParcial, &QPushButton::clicked, this, &TFrmConsumos::btnParcialClick);
    connect(btnTransferir, &QPushButton::clicked, this, &TFrmConsumos::btnTransferirClick);
    connect(edtQuantidade, &QLineEdit::editingFinished, this, &TFrmConsumos::edtQuantidadeExit);
    connect(btnConfirmarTransferencia, &QPushButton::clicked, this, &TFrmConsumos::btnConfirmarTransferenciaClick);
    connect(btnFecharTransferencia, &QPushButton::clicked, this, &TFrmConsumos::btnFecharTransferenciaClick);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmConsumos::btnImprimirClick);
    connect(btnFecharConta, &QPushButton::clicked, this, &TFrmConsumos::btnFecharContaClick);
    connect(btnConverterDav, &QPushButton::clicked, this, &TFrmConsumos::btnConverterDavClick);

    // Opening
    btnConverterDav->setVisible(tParametros().sim(QStringLiteral("UTILIZA_FISCAL")));
    cbNaoCobrarTaxa->setChecked(taxa().zero());
    if (m_textos.cartao)
        cbDesagrupados->setChecked(true);
    lerLinhas();
    const QString idAtendente = m_abertura.idFuncionario;
    // The board's list, read when it opened a table; else the attendants now.
    const QList<Mesas::Atendente> lista = mesas->atendentes().isEmpty() ? Mesas::lerAtendentes(DM->Conexao) : mesas->atendentes();
    for (const Mesas::Atendente &a : lista)
        if (a.id == idAtendente) {
            lblAtendente->setText(QStringLiteral("Atendente:") + a.exibicao());
            m_nomeAtendente = a.nome;
        }
    btnFecharConta->setVisible(Sessao::atual().AuxTipoPC != QLatin1String("MESAS"));
}

Dinheiro TFrmConsumos::taxa() const { return tParametros().dinheiro(QStringLiteral("TAXA_ATEND")); }

void TFrmConsumos::lerLinhas()
{
    m_abertura = Consumos::lerAbertura(DM->Conexao, m_mesa.idCheckIn);
    m_itens = Consumos::lerItens(DM->Conexao, m_mesa.idCheckIn);
    dbgConsumos->setRowCount(int(m_itens.size()));
    for (int k = 0; k < m_itens.size(); ++k) {
        const Consumos::Item &i = m_itens[k];
        const QStringList c{i.descricao,
                            Consumos::textoSimples(i.qtd, 4, QLatin1Char(',')),
                            i.valorUnit.formatado(),
                            Dinheiro::deCentavos(Consumos::arredondar(i.qtdXUnitMicro(), 4)).formatado(),
                            i.viagem ? QStringLiteral("S") : QStringLiteral("N"),
                            i.obs};
        for (int j = 0; j < c.size(); ++j) {
            auto *it = new QTableWidgetItem(c[j]);
            if (j >= 1 && j <= 3)
                it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            dbgConsumos->setItem(k, j, it);
        }
    }
    if (!m_itens.isEmpty())
        dbgConsumos->selectRow(0);
    mostrarTotais();
}

void TFrmConsumos::mostrarTotais()
{
    m_totais = Consumos::calcular(m_itens, taxa(), cbNaoCobrarTaxa->isChecked());
    lblTotal->setText(m_totais.total.formatado());
    lblEmbalagem->setText(m_totais.embalagem.formatado());
    lblTaxa->setText(m_totais.taxaServico.formatado());
    lblParcial->setText(m_abertura.pagParcial.formatado());
    lblExtrato->setText(QStringLiteral("Extrato Impresso: %1 Vez(es)").arg(m_abertura.impressoes));
}

const Consumos::Item *TFrmConsumos::linhaAtual() const
{
    const int k = dbgConsumos->currentRow();
    return k >= 0 && k < m_itens.size() ? &m_itens[k] : nullptr;
}

void TFrmConsumos::btnAlterarConsumoClick()
{
    // Asked once per visit; the answer changes nothing.
    if (m_alterou)
        return;
    const Consumos::Item *i = linhaAtual();
    if (!i)
        return;
    m_alterou = true;
    Digitacao::texto(Consumos::kTituloAlterar, Consumos::kRotuloAlterar, Consumos::textoSimples(i->qtd, 4, QLatin1Char(',')));
}

void TFrmConsumos::cbNaoCobrarTaxaClick()
{
    if (m_mudandoTaxa)
        return;
    if (cbNaoCobrarTaxa->isChecked() && !taxa().zero() && !Sessao::atual().direitos.ACESSO_TOTAL) {
        const std::optional<QString> s = Digitacao::senha(Consumos::kTituloTaxa, Consumos::kRotuloSenhaTaxa);
        if (!s || !Consumos::senhaAcessoTotal(DM->Conexao, *s)) {
            if (s)
                Mensagem::aviso(Consumos::kMsgSenhaIncorreta);
            m_mudandoTaxa = true;
            cbNaoCobrarTaxa->setChecked(false);
            m_mudandoTaxa = false;
        }
    }
    lerLinhas();
}

void TFrmConsumos::edtPessoasChange()
{
    const std::optional<Dinheiro> v = Consumos::valorPorPessoa(m_totais.total, m_abertura.pagParcial, edtPessoas->text());
    if (!v) {
        Mensagem::aviso(Consumos::kMsgPessoasInvalida);
        lblPorPessoa->setText(Dinheiro().formatado());
        return;
    }
    lblPorPessoa->setText(v->formatado());
}

void TFrmConsumos::btnParcialClick()
{
    const std::optional<QString> s =
        Digitacao::texto(Consumos::kTituloParcial, Consumos::kRotuloParcial, QStringLiteral("0,00"));
    if (!s)
        return;
    const Consumos::Resultado r =
        Consumos::adicionarParcial(DM->Conexao, m_mesa.idCheckIn, *s, taxa(), cbNaoCobrarTaxa->isChecked(), windowTitle());
    m_abertura = Consumos::lerAbertura(DM->Conexao, m_mesa.idCheckIn);
    lblParcial->setText(m_abertura.pagParcial.formatado());
    if (!r.feito) {
        Mensagem::aviso(r.mensagem);
        return;
    }
    Mensagem::info(Consumos::kMsgParcialSucesso);
}

void TFrmConsumos::btnTransferirClick()
{
    if (!linhaAtual())
        return;
    cbPara->clear();
    for (const Mesas::Mesa &m : Consumos::destinos(DM->Conexao, m_mesa.id))
        cbPara->addItem(QString::number(m.id), m.id);
    cbPara->setCurrentIndex(-1);
    edtQuantidade->setText(QStringLiteral("1"));
    dbgConsumos->setEnabled(false);
    pnlTransferir->show();
}

void TFrmConsumos::edtQuantidadeExit()
{
    const Consumos::Item *i = linhaAtual();
    if (!i || !pnlTransferir->isVisible())
        return;
    bool ok = false;
    const qint64 q = edtQuantidade->text().trimmed().toLongLong(&ok);
    if (!ok || q < 1 || q > i->qtd / Consumos::kUmaUnidade) {
        Mensagem::aviso(Consumos::kMsgQuantidadeInvalida);
        edtQuantidade->setText(QStringLiteral("1"));
    }
}

void TFrmConsumos::btnConfirmarTransferenciaClick()
{
    const Consumos::Item *i = linhaAtual();
    if (!i)
        return;
    bool ok = false;
    const qint64 q = edtQuantidade->text().trimmed().toLongLong(&ok);
    if (!ok || q < 1 || q > i->qtd / Consumos::kUmaUnidade) {
        Mensagem::aviso(Consumos::kMsgQuantidadeInvalida);
        edtQuantidade->setText(QStringLiteral("1"));
        return;
    }
    if (cbPara->currentIndex() < 0) {
        Mensagem::aviso(Consumos::kMsgSelecioneNovo);
        return;
    }
    const qint64 destino = cbPara->currentData().toLongLong();
    if (!Mensagem::pergunta(QStringLiteral("Confirmar a Transferência de (") + QString::number(q) +
                            QStringLiteral(") - ") + i->descricao + QStringLiteral(" para a Mesa/Cartão ") +
                            QString::number(destino)))
        return;
    const std::optional<Mesas::Mesa> alvo = Mesas::lerMesa(DM->Conexao, destino);
    const Consumos::Resultado r =
        alvo ? Consumos::transferir(DM->Conexao, m_textos, m_mesa.id, *i, *alvo, q)
             : Consumos::Resultado{false, Consumos::kMsgDestinoMudou.arg(destino), {}, 0};
    if (!r.feito) {
        Mensagem::aviso(r.mensagem);
        btnTransferirClick();
        lerLinhas();
        return;
    }
    Mensagem::info(Consumos::kMsgTransferido);
    dbgConsumos->setEnabled(true);
    pnlTransferir->hide();
    lerLinhas();
}

void TFrmConsumos::btnFecharTransferenciaClick()
{
    pnlTransferir->hide();
    dbgConsumos->setEnabled(true);
}

void TFrmConsumos::btnImprimirClick()
{
    lerLinhas();
    Consumos::Conta c;
    c.textos = m_textos;
    c.mesa = m_mesa.id;
    c.cliente = m_mesa.cliente;
    c.abertura = m_abertura;
    c.atendente = m_nomeAtendente;
    c.agora = Relogio::agora();
    c.itens = m_itens;
    c.totais = m_totais;
    c.porPessoa = Dinheiro::deTexto(lblPorPessoa->text()).value_or(Dinheiro());
    c.desagrupados = cbDesagrupados->isChecked();
    const Relatorio rel = Consumos::montarConta(c);
    if (!RelatorioPintura::exibir(rel, Consumos::kTituloConta + QStringLiteral(" - ") + m_textos.palavra
                                           + QLatin1Char(' ') + QString::number(m_mesa.id),
                                  RelatorioPintura::Destino::Visualizar, {}, this))
        return;
    if (const std::optional<qint64> n = Consumos::contarImpressao(DM->Conexao, m_mesa.idCheckIn))
        m_abertura.impressoes = *n;
    mostrarTotais();
}

void TFrmConsumos::btnFecharContaClick()
{
    Mensagem::pergunta(QStringLiteral("Fechar Conta e Liberar ") + m_textos.palavra + QStringLiteral("?"));
}

void TFrmConsumos::btnConverterDavClick()
{
    if (!Mensagem::pergunta(Consumos::kPerguntaDav, {}, Mensagem::Nao))
        return;
    const Consumos::Resultado r =
        Consumos::converterEmDav(DM->Conexao, m_textos, m_mesa.id, m_mesa.idCheckIn, taxa(), cbNaoCobrarTaxa->isChecked());
    if (!r.feito) {
        Mensagem::erro(r.mensagem);
        lerLinhas();
        return;
    }
    accept();
    // The board shows the table free before the user reads the message.
    if (m_mesas)
        m_mesas->atualizar();
    Mensagem::info(Consumos::kMsgDavSucesso);
}

void TFrmConsumos::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_F8) {
        btnImprimirClick();
        return;
    }
    if (e->key() == Qt::Key_F10) {
        btnFecharContaClick();
        return;
    }
    QDialog::keyPressEvent(e);
}
