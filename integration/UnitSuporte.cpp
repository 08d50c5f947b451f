#include "integration/UnitSuporte.h"
#include "base/Erros.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "integration/ImportacaoClientes.h"
#include "integration/TransferenciaPDV.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TFrmSuporte *FrmSuporte = nullptr;

// The console's own gauge and counter.
class TFrmSuporte::Gauge : public Integracao::Andamento {
public:
    explicit Gauge(TFrmSuporte &f) : m_f(f) {}
    void mostrar(int maximo) override
    {
        m_f.Progresso->setRange(0, qMax(1, maximo));
        m_f.Progresso->setValue(0);
        m_f.Progresso->show();
        if (m_rotulo.isEmpty())
            m_f.lblTotalReg->setText(QString::number(maximo));
        m_rotulo.clear();
        QApplication::processEvents();
    }
    void avancar() override { m_f.Progresso->setValue(qMin(m_f.Progresso->maximum(), m_f.Progresso->value() + 1)); }
    void rotulo(const QString &texto) override
    {
        m_rotulo = texto;
        if (!texto.isEmpty())
            m_f.lblTotalReg->setText(texto);
    }
    void esconder() override
    {
        m_f.Progresso->setValue(0);
        m_f.Progresso->hide();
    }

private:
    TFrmSuporte &m_f;
    QString m_rotulo;
};

TFrmSuporte::TFrmSuporte(QWidget *parent)
    : QDialog(parent)
    , ConexaoAux(QStringLiteral("ConexaoAux"), QString())
{
    setObjectName(QStringLiteral("FrmSuporte"));
    setWindowTitle(QStringLiteral("Zentro Zurerodi Suporte"));
    resize(760, 560);
    auto *geral = new QVBoxLayout(this);

    auto *topo = new QHBoxLayout;
    auto *ferramentas = new QGridLayout;
    auto botao = [&](const QString &texto, const char *nome) {
        auto *b = new QPushButton(texto, this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setMinimumHeight(34);
        return b;
    };
    btnEntradas = botao(QStringLiteral("Atualizar Entradas de Hóspedes"), "btnEntradas");
    btnFormasPagamento = botao(QStringLiteral("Atualizar Novas Formas de Pagamento"), "btnFormasPagamento");
    btnFormasDespesas = botao(QStringLiteral("Atualizar Formas de Pagamento de Despesas"), "btnFormasDespesas");
    btnFuncionarios = botao(QStringLiteral("Atualizar Dados de Funcionários"), "btnFuncionarios");
    btnAcentos = botao(QStringLiteral("Retirar Acentuação dos Nomes dos Clientes e Produtos"), "btnAcentos");
    btnPessoas = botao(QStringLiteral("Atualizar Pessoas Físicas e Jurídicas"), "btnPessoas");
    btnDDDs = botao(QStringLiteral("Correção DDDs"), "btnDDDs");
    btnTransferir = botao(QStringLiteral("Tranferir dados Para o Zentro PDV"), "btnTransferir");
    QPushButton *lista[] = {btnEntradas, btnFormasPagamento, btnFormasDespesas, btnFuncionarios,
                            btnAcentos,  btnPessoas,         btnDDDs,           btnTransferir};
    for (int i = 0; i < 8; ++i)
        ferramentas->addWidget(lista[i], i / 2, i % 2);
    topo->addLayout(ferramentas, 1);

    auto *lado = new QVBoxLayout;
    Progresso = new QProgressBar(this);
    Progresso->setObjectName(QStringLiteral("Progresso"));
    Progresso->setStyleSheet(QStringLiteral("QProgressBar { font: bold; } QProgressBar::chunk { background: #800000; }"));
    Progresso->hide();
    auto *pnlTotal = new QFrame(this);
    pnlTotal->setFrameShape(QFrame::StyledPanel);
    auto *lt = new QVBoxLayout(pnlTotal);
    lt->addWidget(new QLabel(QStringLiteral("Total de Registros"), pnlTotal), 0, Qt::AlignHCenter);
    lblTotalReg = new QLabel(QStringLiteral("0"), pnlTotal);
    lblTotalReg->setObjectName(QStringLiteral("lblTotalReg"));
    QFont f = lblTotalReg->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    lblTotalReg->setFont(f);
    lt->addWidget(lblTotalReg, 0, Qt::AlignHCenter);
    lado->addWidget(pnlTotal);
    lado->addWidget(Progresso);
    lado->addStretch();
    topo->addLayout(lado);
    geral->addLayout(topo);

    // "Correção DDDs": the older database.
    pnlBDAntigo = new QFrame(this);
    pnlBDAntigo->setObjectName(QStringLiteral("pnlBDAntigo"));
    pnlBDAntigo->setFrameShape(QFrame::StyledPanel);
    auto *la = new QHBoxLayout(pnlBDAntigo);
    la->addWidget(new QLabel(QStringLiteral("Informe a Localização do BD Antigo"), pnlBDAntigo));
    edtBDAntigo = new QLineEdit(pnlBDAntigo);
    edtBDAntigo->setObjectName(QStringLiteral("edtBDAntigo"));
    la->addWidget(edtBDAntigo, 1);
    auto *escolherBD = new QToolButton(pnlBDAntigo);
    escolherBD->setText(QStringLiteral("..."));
    la->addWidget(escolherBD);
    btnIniciar = new QPushButton(QStringLiteral("Iniciar"), pnlBDAntigo);
    btnIniciar->setObjectName(QStringLiteral("btnIniciar"));
    la->addWidget(btnIniciar);
    pnlBDAntigo->hide();
    geral->addWidget(pnlBDAntigo);

    // The customer import.
    auto *pnlImportacao = new QFrame(this);
    pnlImportacao->setFrameShape(QFrame::StyledPanel);
    auto *li = new QHBoxLayout(pnlImportacao);
    edtArquivo = new QLineEdit(pnlImportacao);
    edtArquivo->setObjectName(QStringLiteral("edtArquivo"));
    edtArquivo->setPlaceholderText(QStringLiteral("Arquivo de Importação"));
    li->addWidget(edtArquivo, 1);
    auto *escolherArquivo = new QToolButton(pnlImportacao);
    escolherArquivo->setText(QStringLiteral("..."));
    li->addWidget(escolherArquivo);
    btnImportar = new QPushButton(QStringLiteral("Importar Banco de Dados de Clientes (Sistema de Orlani)"), pnlImportacao);
    btnImportar->setObjectName(QStringLiteral("btnImportar"));
    li->addWidget(btnImportar);
    geral->addWidget(pnlImportacao);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->hide();
    MemoErros = new QPlainTextEdit(this);
    MemoErros->setObjectName(QStringLiteral("MemoErros"));
    MemoErros->setReadOnly(true);
    geral->addWidget(MemoErros, 1);

    connect(btnEntradas, &QPushButton::clicked, this, &TFrmSuporte::btnEntradasClick);
    connect(btnFormasPagamento, &QPushButton::clicked, this, &TFrmSuporte::btnFormasPagamentoClick);
    connect(btnFormasDespesas, &QPushButton::clicked, this, &TFrmSuporte::btnFormasDespesasClick);
    connect(btnFuncionarios, &QPushButton::clicked, this, &TFrmSuporte::btnFuncionariosClick);
    connect(btnAcentos, &QPushButton::clicked, this, &TFrmSuporte::btnAcentosClick);
    connect(btnPessoas, &QPushButton::clicked, this, &TFrmSuporte::btnPessoasClick);
    connect(btnDDDs, &QPushButton::clicked, this, &TFrmSuporte::btnDDDsClick);
    connect(btnIniciar, &QPushButton::clicked, this, &TFrmSuporte::btnIniciarClick);
    connect(btnTransferir, &QPushButton::clicked, this, &TFrmSuporte::btnTransferirClick);
    connect(btnImportar, &QPushButton::clicked, this, &TFrmSuporte::btnImportarClick);
    connect(escolherBD, &QToolButton::clicked, this, [this] {
        const QString nome = Telas::escolherArquivo(this, QStringLiteral("Arquivo de Importação"), QString(),
                                                    QStringLiteral("Arquivo de Banco de Dados (*.FDB *.fdb)"));
        if (!nome.isEmpty())
            edtBDAntigo->setText(semAspas(nome));
    });
    connect(edtBDAntigo, &QLineEdit::editingFinished, this,
            [this] { edtBDAntigo->setText(semAspas(edtBDAntigo->text())); });
    connect(escolherArquivo, &QToolButton::clicked, this, [this] {
        const QString nome = Telas::escolherArquivo(this, QStringLiteral("Arquivo de Importação"), QString(),
                                                    QStringLiteral("Arquivo de Importação (*.txt)"));
        if (!nome.isEmpty())
            arquivoImportacaoEscolhido(nome);
    });
    connect(edtArquivo, &QLineEdit::editingFinished, this, [this] {
        if (edtArquivo->isModified())
            arquivoImportacaoEscolhido(edtArquivo->text());
        edtArquivo->setModified(false);
    });
}

TFrmSuporte::~TFrmSuporte() { ConexaoAux.desconectar(); }

QString TFrmSuporte::semAspas(const QString &nome)
{
    if (nome.size() >= 3 && nome.at(2) == QLatin1Char(':'))
        return nome.mid(1, nome.size() - 2);
    return nome;
}

void TFrmSuporte::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && DM)
        AcaoAtual(QStringLiteral("Operações de Suporte"));
}

bool TFrmSuporte::rodar(const std::function<Suporte::Resultado(Integracao::Andamento &)> &ferramenta)
{
    Gauge gauge(*this);
    Suporte::Resultado r;
    try {
        r = ferramenta(gauge);
    } catch (const ErroSistema &e) {
        Mensagem::erro(e.texto());
        return false;
    }
    if (!r.ignoradas.isEmpty()) {
        QStringList lista = r.ignoradas.mid(0, 20);
        if (r.ignoradas.size() > 20)
            lista << QStringLiteral("... e mais %1.").arg(r.ignoradas.size() - 20);
        Mensagem::aviso(QStringLiteral("Estes registros foram deixados como estavam:\n") + lista.join(QLatin1Char('\n')));
    }
    return true;
}

void TFrmSuporte::btnEntradasClick()
{
    if (!rodar([](Integracao::Andamento &a) { return Suporte::reconstruirDiarias(DM->Conexao, Relogio::hoje(), a); }))
        return;
    Mensagem::info(Suporte::kMsgRealizada);
    accept();
}

void TFrmSuporte::btnFormasPagamentoClick()
{
    if (!rodar([](Integracao::Andamento &a) { return Suporte::atualizarFormasPagamento(DM->Conexao, a); }))
        return;
    Mensagem::info(Suporte::kMsgRealizada);
    accept();
}

void TFrmSuporte::btnFormasDespesasClick()
{
    rodar([](Integracao::Andamento &a) { return Suporte::atualizarFormasDespesas(DM->Conexao, a); });
}

void TFrmSuporte::btnFuncionariosClick()
{
    if (!rodar([](Integracao::Andamento &a) { return Suporte::atualizarUsuariosEntrada(DM->Conexao, a); }))
        return;
    Mensagem::info(Suporte::kMsgRealizada);
    accept();
}

void TFrmSuporte::btnAcentosClick()
{
    if (!rodar([](Integracao::Andamento &a) { return Suporte::retirarAcentos(DM->Conexao, a); }))
        return;
    Mensagem::info(Suporte::kMsgRealizada);
    accept();
}

void TFrmSuporte::btnPessoasClick()
{
    if (rodar([](Integracao::Andamento &a) { return Suporte::atualizarPessoas(DM->Conexao, a); }))
        Mensagem::info(Suporte::kMsgConcluida);
}

void TFrmSuporte::btnDDDsClick()
{
    pnlBDAntigo->show();
    edtBDAntigo->setFocus();
}

void TFrmSuporte::btnIniciarClick()
{
    const QString caminho = semAspas(edtBDAntigo->text().trimmed());
    if (caminho.isEmpty()) {
        Mensagem::aviso(QStringLiteral("Informe a Localização do BD Antigo!"));
        edtBDAntigo->setFocus();
        return;
    }
    ConexaoAux.desconectar();
    ConexaoAux.definirCaminho(caminho);
    if (rodar([this](Integracao::Andamento &a) { return Suporte::corrigirFones(DM->Conexao, ConexaoAux, a); }))
        Mensagem::info(Suporte::kMsgExecutada);
}

void TFrmSuporte::btnTransferirClick()
{
    Gauge gauge(*this);
    TransferenciaPDV::Resultado r;
    try {
        r = TransferenciaPDV::transferir(DM->Conexao, DM->ConexaoPDV, DM->ConexaoPDVFrente, Relogio::hoje(), gauge);
    } catch (const ErroSistema &e) {
        Mensagem::erro(e.texto());
        return;
    }
    Mensagem::info(r.encontrado ? TransferenciaPDV::kMsgSucesso : TransferenciaPDV::kMsgNaoEncontrado);
}

void TFrmSuporte::arquivoImportacaoEscolhido(const QString &nome)
{
    const QString arquivo = semAspas(nome.trimmed());
    if (edtArquivo->text() != arquivo)
        edtArquivo->setText(arquivo);
    m_linhasImportacao.clear();
    Memo1->clear();
    if (arquivo.isEmpty())
        return;
    try {
        m_linhasImportacao = Importacao::lerArquivo(arquivo);
    } catch (const ErroSistema &e) {
        Mensagem::erro(e.texto());
        return;
    }
    Memo1->setPlainText(m_linhasImportacao.join(QLatin1Char('\n')));
    lblTotalReg->setText(QString::number(m_linhasImportacao.size()));
}

void TFrmSuporte::btnImportarClick()
{
    if (edtArquivo->text().trimmed().isEmpty())
        return;
    Gauge gauge(*this);
    Importacao::Resultado r;
    try {
        r = Importacao::importar(DM->Conexao, m_linhasImportacao, gauge, [this](int linha, int total) {
            lblTotalReg->setText(QStringLiteral("%1/%2").arg(linha).arg(total));
            QApplication::processEvents();
        });
    } catch (const ErroSistema &e) {
        Mensagem::erro(e.texto());
        return;
    }
    for (const QString &erro : r.erros)
        MemoErros->appendPlainText(erro);
    if (r.erros.isEmpty())
        Mensagem::info(Importacao::kMsgSucesso);
    else
        Mensagem::info(Importacao::kPrefixoErros + QString::number(r.erros.size()));
}

namespace Suporte {
void abrirSuporte() { Telas::abrir<TFrmSuporte>(FrmSuporte); }
} // namespace Suporte
