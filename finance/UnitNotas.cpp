#include "finance/UnitNotas.h"
#include "base/CabecalhoTela.h"
#include "base/Erros.h"
#include "base/Mensagem.h"
#include "base/RelatorioPintura.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "finance/UnitCaixa.h"

#include <QCursor>
#include <algorithm>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

TFrmNotas *FrmNotas = nullptr;
std::function<void(qint64)> TFrmNotas::abrirExtrato;

using namespace Notas;

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }

QPushButton *botao(const QString &legenda, QWidget *pai, const char *nome)
{
    auto *b = new QPushButton(legenda, pai);
    b->setObjectName(QString::fromLatin1(nome));
    b->setAutoDefault(false);
    return b;
}

// An amount typed in a means field: empty is zero, never negative.
std::optional<Dinheiro> lerCampo(const QString &texto)
{
    return Dinheiro::digitado(texto, SinalDigitado::ZeroOuPositivo, VazioDigitado::Zero).valor;
}

const char *const kNomesCampos[] = {"edtDinheiro2", "edtVisa2",   "edtDebVisa2", "edtMaster2",
                                    "edtDebMaster2", "edtHiper2", "edtCheque2",  "edtDeposito"};

} // namespace

TFrmNotas::TFrmNotas(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(kTitulo);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(criarCabecalhoTela(this));

    auto *topo = new QHBoxLayout;
    btnBaixa = botao(u8("Realizar Baixa da Entrada Selecionada"), this, "btnBaixa");
    btnVarias = botao(u8("Baixar Várias Entradas"), this, "btnVarias");
    btnVarias->setCheckable(true);
    btnImprimir = botao(u8("Imprimir Relatório"), this, "btnImprimir");
    btnFiltros = botao(u8("Filtros"), this, "btnFiltros");
    btnSair = botao(u8("Sair"), this, "btnSair");
    for (QPushButton *b : {btnBaixa, btnVarias, btnImprimir, btnFiltros})
        topo->addWidget(b);
    topo->addStretch();
    topo->addWidget(btnSair);
    layout->addLayout(topo);

    auto *linhaClientes = new QHBoxLayout;
    gbClientes = new QGroupBox(this);
    auto *lc = new QHBoxLayout(gbClientes);
    rbSemNegativacao = new QRadioButton(u8("Sem Negativação"), gbClientes);
    rbTodos = new QRadioButton(u8("Todos"), gbClientes);
    rbApenasNegativacao = new QRadioButton(u8("Apenas com Negativação"), gbClientes);
    rbSemNegativacao->setChecked(true);
    for (QRadioButton *r : {rbSemNegativacao, rbTodos, rbApenasNegativacao}) {
        lc->addWidget(r);
        connect(r, &QRadioButton::toggled, this, [this](bool marcado) {
            if (marcado)
                carregar();
        });
    }
    linhaClientes->addWidget(gbClientes);
    btnEfetuarBaixa = botao(u8("Efetuar Baixa (Apenas uma forma de pagamento)"), this, "btnEfetuarBaixa");
    lblSelecionado = new QLabel(u8("Valor Total Selecionado: R$ 0,00"), this);
    btnEfetuarBaixa->hide();
    lblSelecionado->hide();
    linhaClientes->addWidget(btnEfetuarBaixa);
    linhaClientes->addWidget(lblSelecionado);
    linhaClientes->addStretch();
    layout->addLayout(linhaClientes);

    pnlFiltros = new QGroupBox(u8("Filtros:"), this);
    auto *lf = new QHBoxLayout(pnlFiltros);
    for (Criterio c : {Criterio::Codigo, Criterio::Entrada, Criterio::Cliente, Criterio::Valor, Criterio::Desde}) {
        auto *r = new QRadioButton(legendaCriterio(c), pnlFiltros);
        rbCriterios << r;
        lf->addWidget(r);
        connect(r, &QRadioButton::clicked, this, [this] {
            edtConsulta->clear();
            edtConsulta->setFocus();
        });
    }
    rbCriterios.first()->setChecked(true);
    edtConsulta = new QLineEdit(pnlFiltros);
    edtConsulta->setObjectName(QStringLiteral("edtConsulta"));
    edtConsulta->setMaxLength(90);
    connect(edtConsulta, &QLineEdit::textEdited, edtConsulta, [this](const QString &t) {
        const int pos = edtConsulta->cursorPosition();
        edtConsulta->setText(t.toUpper());
        edtConsulta->setCursorPosition(pos);
    });
    connect(edtConsulta, &QLineEdit::returnPressed, this, &TFrmNotas::btnLocalizarClick);
    lf->addWidget(edtConsulta, 1);
    btnLocalizar = botao(u8("Localizar"), pnlFiltros, "btnLocalizar");
    btnFecharFiltros = botao(u8("x"), pnlFiltros, "btnFecharFiltros");
    btnFecharFiltros->setToolTip(u8("Fechar Consulta"));
    lf->addWidget(btnLocalizar);
    lf->addWidget(btnFecharFiltros);
    pnlFiltros->hide();
    layout->addWidget(pnlFiltros);

    DBGrid1 = new QTableWidget(0, 6, this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setHorizontalHeaderLabels({u8("Código"), u8("Cód. Entrada"), u8("Cód. Cliente"), u8("Cliente"),
                                        u8("Valor da Nota R$"), u8("Desde")});
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    DBGrid1->setColumnWidth(4, 140);
    DBGrid1->verticalHeader()->hide();
    layout->addWidget(DBGrid1, 1);

    pnlPagamento = new QGroupBox(u8("Forma de Pagamento"), this);
    auto *lp = new QGridLayout(pnlPagamento);
    for (const DadosMeioNota &m : meiosNota()) {
        const int i = int(m.meio);
        auto *e = new QLineEdit(QStringLiteral("0,00"), pnlPagamento);
        e->setObjectName(QString::fromLatin1(kNomesCampos[i]));
        e->setAlignment(Qt::AlignRight);
        e->installEventFilter(this);
        connect(e, &QLineEdit::textChanged, this, &TFrmNotas::mostrarTotal);
        edtMeios << e;
        lp->addWidget(new QLabel(m.legenda, pnlPagamento), i / 4 * 2, i % 4);
        lp->addWidget(e, i / 4 * 2 + 1, i % 4);
    }
    lblTotal = new QLabel(u8("Total  ->  R$ 0,00"), pnlPagamento);
    btnConfirmar = botao(u8("Confirmar"), pnlPagamento, "btnConfirmar");
    btnCancelar = botao(u8("Cancelar"), pnlPagamento, "btnCancelar");
    lp->addWidget(lblTotal, 4, 0, 1, 2);
    lp->addWidget(btnConfirmar, 4, 2);
    lp->addWidget(btnCancelar, 4, 3);
    pnlPagamento->hide();
    layout->addWidget(pnlPagamento);

    mnuMeios = new QMenu(this);
    for (const DadosMeioNota &m : meiosNota()) {
        if (m.meio == MeioNota::CreditoVisa || m.meio == MeioNota::CreditoMaster || m.meio == MeioNota::Hipercard
            || m.meio == MeioNota::PixChq || m.meio == MeioNota::Deposito)
            mnuMeios->addSeparator();
        const MeioNota meio = m.meio;
        mnuMeios->addAction(m.menu, this, [this, meio] { baixarComUmMeio(meio); });
    }

    connect(btnBaixa, &QPushButton::clicked, this, &TFrmNotas::btnBaixaClick);
    connect(btnVarias, &QPushButton::clicked, this, &TFrmNotas::btnVariasClick);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmNotas::btnImprimirClick);
    connect(btnFiltros, &QPushButton::clicked, this, &TFrmNotas::btnFiltrosClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnLocalizar, &QPushButton::clicked, this, &TFrmNotas::btnLocalizarClick);
    connect(btnFecharFiltros, &QPushButton::clicked, pnlFiltros, &QWidget::hide);
    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmNotas::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmNotas::btnCancelarClick);
    connect(btnEfetuarBaixa, &QPushButton::clicked, this, [this] { mnuMeios->popup(QCursor::pos()); });
    connect(DBGrid1, &QTableWidget::itemSelectionChanged, this, &TFrmNotas::DBGrid1Click);
    connect(DBGrid1, &QTableWidget::cellDoubleClicked, this, &TFrmNotas::DBGrid1DblClick);
    resize(1000, 640);
}

void TFrmNotas::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    AcaoAtual(u8("Notas Pendentes"));
    carregar();
}

FiltroCliente TFrmNotas::filtro() const
{
    if (rbTodos->isChecked())
        return FiltroCliente::Todos;
    if (rbApenasNegativacao->isChecked())
        return FiltroCliente::ApenasNegativados;
    return FiltroCliente::SemNegativacao;
}

Criterio TFrmNotas::criterio() const
{
    for (int i = 0; i < rbCriterios.size(); ++i)
        if (rbCriterios[i]->isChecked())
            return Criterio(i);
    return Criterio::Codigo;
}

void TFrmNotas::carregar()
{
    const int linha = DBGrid1->currentRow();
    m_notas = listar(DM->Conexao, filtro(), m_busca);
    DBGrid1->blockSignals(true);
    DBGrid1->clearContents();
    DBGrid1->setRowCount(int(m_notas.size()));
    for (int i = 0; i < m_notas.size(); ++i) {
        const Nota &n = m_notas[i];
        const QStringList celulas{QString::number(n.idNota), QString::number(n.idEntrada), QString::number(n.idCliente),
                                  n.nome, n.valor.formatado(), n.dataSaida.toString(QStringLiteral("dd/MM/yyyy"))};
        for (int c = 0; c < celulas.size(); ++c) {
            auto *item = new QTableWidgetItem(celulas[c]);
            if (c != 3)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            DBGrid1->setItem(i, c, item);
        }
    }
    if (!m_notas.isEmpty())
        DBGrid1->setCurrentCell(qBound(0, linha, int(m_notas.size()) - 1), 0);
    DBGrid1->blockSignals(false);
    DBGrid1Click();
}

QList<qint64> TFrmNotas::selecionadas() const
{
    QList<qint64> ids;
    for (const QModelIndex &i : DBGrid1->selectionModel()->selectedRows())
        ids << m_notas.value(i.row()).idNota;
    std::sort(ids.begin(), ids.end(), [this](qint64 a, qint64 b) {
        auto pos = [this](qint64 id) {
            for (int i = 0; i < m_notas.size(); ++i)
                if (m_notas[i].idNota == id)
                    return i;
            return -1;
        };
        return pos(a) < pos(b);
    });
    return ids;
}

void TFrmNotas::mostrarTotal()
{
    Dinheiro soma;
    for (QLineEdit *e : edtMeios)
        soma += lerCampo(e->text()).value_or(Dinheiro());
    lblTotal->setText(u8("Total -> R$ ") + soma.formatado());
}

void TFrmNotas::btnBaixaClick()
{
    const int linha = DBGrid1->currentRow();
    if (linha < 0 || linha >= m_notas.size())
        return;
    pnlPagamento->show();
    btnBaixa->hide();
    DBGrid1->setEnabled(false);
    for (QLineEdit *e : edtMeios)
        e->setText(QStringLiteral("0,00"));
    edtMeios[int(MeioNota::Dinheiro)]->setText(m_notas[linha].valor.formatado());
    mostrarTotal();
    edtMeios[int(MeioNota::Dinheiro)]->setFocus();
}

void TFrmNotas::terminarBaixa()
{
    pnlPagamento->hide();
    btnBaixa->setVisible(!btnVarias->isChecked());
    DBGrid1->setEnabled(true);
}

void TFrmNotas::btnCancelarClick()
{
    terminarBaixa();
}

void TFrmNotas::recarregarCaixa()
{
    if (FrmCaixa)
        FrmCaixa->reabrir();
}

void TFrmNotas::btnConfirmarClick()
{
    const int linha = DBGrid1->currentRow();
    if (linha < 0 || linha >= m_notas.size())
        return;
    Pagamento p;
    for (int i = 0; i < kMeiosNota; ++i) {
        const auto v = lerCampo(edtMeios[i]->text());
        if (!v) {
            Mensagem::aviso(kMsgValorInvalido);
            edtMeios[i]->setFocus();
            return;
        }
        p.valores[size_t(i)] = *v;
    }
    if (p.total() != m_notas[linha].valor) {
        Mensagem::aviso(kMsgValorDiferente);
        return;
    }
    const ResultadoBaixa r = baixar(DM->Conexao, m_notas[linha].idNota, p);
    if (r.situacao == ResultadoBaixa::Situacao::ValorDiferente || r.situacao == ResultadoBaixa::Situacao::ValorInvalido) {
        for (const auto &a : r.avisos)
            Mensagem::mostrar(a.first, a.second, Mensagem::Ok);
        return;
    }
    terminarBaixa();
    for (const auto &a : r.avisos)
        Mensagem::mostrar(a.first, a.second, Mensagem::Ok);
    if (r.baixada())
        Mensagem::info(kMsgSucesso);
    carregar();
    recarregarCaixa();
}

void TFrmNotas::btnVariasClick()
{
    const bool ligado = btnVarias->isChecked();
    if (ligado)
        Mensagem::info(kMsgMultiSelecao);
    DBGrid1->clearSelection();
    DBGrid1->setSelectionMode(ligado ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    btnBaixa->setVisible(!ligado);
    btnImprimir->setVisible(!ligado);
    gbClientes->setVisible(!ligado);
    lblSelecionado->setText(u8("Valor Total Selecionado: R$ 0,00"));
    lblSelecionado->setVisible(ligado);
    btnEfetuarBaixa->setVisible(ligado);
    Soma = Dinheiro();
}

void TFrmNotas::DBGrid1Click()
{
    if (!btnVarias->isChecked())
        return;
    Soma = Dinheiro();
    const QList<qint64> ids = selecionadas();
    for (const Nota &n : m_notas)
        if (ids.contains(n.idNota))
            Soma += n.valor;
    lblSelecionado->setText(QString::number(ids.size()) + u8(" Nota(s) / Valor Total Selecionado: R$ ")
                            + Soma.formatado());
}

void TFrmNotas::baixarComUmMeio(MeioNota meio)
{
    const QList<qint64> ids = selecionadas();
    if (ids.isEmpty()) {
        Mensagem::aviso(kMsgSemSelecao);
        return;
    }
    DBGrid1Click();
    const DadosMeioNota &m = meiosNota()[int(meio)];
    if (!Mensagem::pergunta(u8("Deseja Realmente Realizar a Baixa das Contas Selecionadas?\n\nForma de Pagamento: ")
                            + m.confirmacao + u8("\nValor Total: R$ ") + Soma.formatado()))
        return;
    const ResultadoVarias r = baixarVarias(DM->Conexao, ids, meio);
    btnVarias->setChecked(false);
    btnVariasClick();
    if (meio == MeioNota::Deposito && r.baixadas() > 0)
        Mensagem::info(kMsgDeposito);
    if (r.baixadas() == r.notas.size())
        Mensagem::info(r.mensagem());
    else
        Mensagem::aviso(r.mensagem());
    carregar();
    recarregarCaixa();
}

void TFrmNotas::DBGrid1DblClick()
{
    const int linha = DBGrid1->currentRow();
    if (linha >= 0 && linha < m_notas.size() && abrirExtrato)
        abrirExtrato(m_notas[linha].idEntrada);
}

void TFrmNotas::btnFiltrosClick()
{
    pnlFiltros->show();
    rbCriterios.first()->setChecked(true);
    edtConsulta->clear();
    edtConsulta->setFocus();
}

void TFrmNotas::btnLocalizarClick()
{
    const Busca b{criterio(), edtConsulta->text().trimmed()};
    if (!b.texto.isEmpty()) {
        const ValorBusca v = lerBusca(b);
        if (!v.erro.isEmpty()) {
            Mensagem::aviso(v.erro);
            edtConsulta->setFocus();
            return;
        }
    }
    m_busca = b;
    carregar();
    pnlFiltros->hide();
    registrarBusca(b);
}

void TFrmNotas::btnImprimirClick()
{
    const Relatorio rel = relatorio(DM->Conexao, m_notas);
    Telas::abrir<TFrmVisualizaRelatorio>(rel, this);
}

bool TFrmNotas::eventFilter(QObject *o, QEvent *e)
{
    auto *campo = qobject_cast<QLineEdit *>(o);
    if (campo && edtMeios.contains(campo)) {
        if (e->type() == QEvent::FocusIn) {
            if (!campo->text().trimmed().isEmpty() && lerCampo(campo->text()))
                campo->setText(campo->text().remove(QLatin1Char('.')));
        } else if (e->type() == QEvent::FocusOut) {
            const QString t = campo->text().trimmed();
            if (t.isEmpty())
                campo->setText(QStringLiteral("0,00"));
            else if (const auto v = lerCampo(t))
                campo->setText(v->formatado());
        } else if (e->type() == QEvent::KeyPress) {
            const int k = static_cast<QKeyEvent *>(e)->key();
            if (k == Qt::Key_Return || k == Qt::Key_Enter) {
                focusNextChild();
                return true;
            }
        }
    }
    return QDialog::eventFilter(o, e);
}
