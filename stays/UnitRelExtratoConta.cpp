#include "stays/UnitRelExtratoConta.h"
#include "base/CabecalhoTela.h"
#include "base/Digitacao.h"
#include "base/Erros.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/RelatorioPintura.h"
#include "base/Relogio.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "core/UnitSMS.h"
#include "stays/CalculoEstadia.h"
#include "stays/EntregaFiscal.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

TFrmRelExtratoConta *FrmRelExtratoConta = nullptr;

namespace ExtratoConta {

void imprimirNaImpressora(const Relatorio &rel)
{
    if (imprimirDireto) {
        imprimirDireto(rel);
        return;
    }
    QPrinter impressora(QPrinter::HighResolution);
    if (!impressora.isValid())
        throw ErroSistema(QStringLiteral("Nenhuma impressora disponível nesta estação."));
    RelatorioPintura::configurarPagina(rel, &impressora);
    RelatorioPintura::pintar(rel, &impressora);
}

void imprimirOculto(qint64 idEntrada, bool impressora)
{
    TFrmRelExtratoConta tela;
    FrmRelExtratoConta = &tela;
    struct Limpa {
        ~Limpa() { FrmRelExtratoConta = nullptr; }
    } limpa;
    tela.definirChave(idEntrada);
    (impressora ? tela.rbImpressora : tela.rbTela)->setChecked(true);
    tela.btnImprimirClick();
}

void abrir(qint64 idEntrada, Tipo tipo)
{
    // The screen is built, given its stay and kind, then shown.
    auto tela = std::make_unique<TFrmRelExtratoConta>();
    if (idEntrada > 0)
        tela->definirChave(idEntrada);
    tela->definirTipo(tipo);
    FrmRelExtratoConta = tela.get();
    struct Limpa {
        ~Limpa() { FrmRelExtratoConta = nullptr; }
    } limpa;
    Telas::executar(tela.get(), std::type_index(typeid(TFrmRelExtratoConta)));
}

} // namespace ExtratoConta

// ------------------------------------------------------------------ screen

using namespace ExtratoConta;

TFrmRelExtratoConta::TFrmRelExtratoConta(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Extrato de Conta"));
    setWindowFlag(Qt::FramelessWindowHint);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(criarCabecalhoTela(this));
    auto *titulo = new QLabel(QStringLiteral("Extrato de Conta"), this);
    QFont f = titulo->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    titulo->setFont(f);
    titulo->setAlignment(Qt::AlignCenter);
    layout->addWidget(titulo);

    cbEntradas = new QComboBox(this);
    cbEntradas->setObjectName(QStringLiteral("cbEntradas"));
    cbEntradas->setEditable(true);
    cbEntradas->setInsertPolicy(QComboBox::NoInsert);
    cbEntradas->lineEdit()->setPlaceholderText(kSelecione);
    cbEntradas->lineEdit()->installEventFilter(this);
    cbEntradas->installEventFilter(this);
    // A stay chosen from the list shows its key.
    connect(cbEntradas, qOverload<int>(&QComboBox::activated), this, [this](int i) {
        const qint64 k = cbEntradas->itemData(i).toLongLong();
        if (k > 0)
            cbEntradas->setEditText(QString::number(k));
    });
    layout->addWidget(cbEntradas);

    auto *opcoes = new QHBoxLayout;
    auto *grpDestino = new QGroupBox(QStringLiteral("  Enviar Impressão para:  "), this);
    auto *ld = new QVBoxLayout(grpDestino);
    rbTela = new QRadioButton(QStringLiteral("Tela"), grpDestino);
    rbImpressora = new QRadioButton(QStringLiteral("Impressora"), grpDestino);
    rbCupomFiscal = new QRadioButton(QStringLiteral("Cupom Fiscal"), grpDestino);
    rbNFCe = new QRadioButton(QStringLiteral("NFCe"), grpDestino);
    rbNFCe->setEnabled(false);
    for (QRadioButton *r : {rbTela, rbImpressora, rbCupomFiscal, rbNFCe})
        ld->addWidget(r);
    rbTela->setChecked(true);
    auto *grpTipo = new QGroupBox(QStringLiteral("   Tipo de Extrato:   "), this);
    auto *lt = new QVBoxLayout(grpTipo);
    rbEntrada = new QRadioButton(QStringLiteral("Entrada"), grpTipo);
    rbConferencia = new QRadioButton(QStringLiteral("Conferência"), grpTipo);
    rbSaida = new QRadioButton(QStringLiteral("Saída"), grpTipo);
    for (QRadioButton *r : {rbEntrada, rbConferencia, rbSaida})
        lt->addWidget(r);
    lt->addStretch();
    rbSaida->setChecked(true);
    opcoes->addWidget(grpDestino);
    opcoes->addWidget(grpTipo);
    layout->addLayout(opcoes);

    CheckBox1 = new QCheckBox(QStringLiteral("Mostrar CNPJ no extrato"), this);
    layout->addWidget(CheckBox1);
    auto *nome = new QHBoxLayout;
    nome->addWidget(new QLabel(QStringLiteral("Nome Personalizado:"), this));
    edtNomePersonalizado = new QLineEdit(this);
    edtNomePersonalizado->setMaxLength(90);
    nome->addWidget(edtNomePersonalizado);
    layout->addLayout(nome);

    auto *botoes = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("Vários Extratos"), this);
    JvXPButton7 = new QPushButton(QStringLiteral("Enviar Confirmação via SMS"), this);
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnImprimir->setToolTip(QStringLiteral("Imprimir"));
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    btnSair->setToolTip(QStringLiteral("Sair"));
    for (QPushButton *b : {Button1, JvXPButton7, btnImprimir, btnSair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    layout->addLayout(botoes);

    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelExtratoConta::btnImprimirClick);
    connect(Button1, &QPushButton::clicked, this, &TFrmRelExtratoConta::Button1Click);
    connect(JvXPButton7, &QPushButton::clicked, this, &TFrmRelExtratoConta::JvXPButton7Click);
    connect(btnSair, &QPushButton::clicked, this, &TFrmRelExtratoConta::btnSairClick);
    setFixedWidth(560);
}

void TFrmRelExtratoConta::carregarEntradas()
{
    if (m_carregada)
        return;
    m_carregada = true;
    const QString texto = cbEntradas->currentText();
    const QList<Linha> linhas = DM->Conexao.lerTodas(
        QStringLiteral("SELECT ID_WALK_IN, DATA_ENTRADA, DATA_SAIDA, BAIXA FROM WALK_IN ORDER BY ID_WALK_IN"));
    QStringList itens;
    cbEntradas->blockSignals(true);
    cbEntradas->clear();
    for (const Linha &l : linhas) {
        const qint64 k = l.inteiro(QStringLiteral("ID_WALK_IN"));
        cbEntradas->addItem(QStringLiteral("%1 / %2 / %3")
                                .arg(k)
                                .arg(l.data(QStringLiteral("DATA_ENTRADA")).toString(QStringLiteral("dd/MM/yyyy")),
                                     l.data(QStringLiteral("DATA_SAIDA")).toString(QStringLiteral("dd/MM/yyyy"))),
                            k);
    }
    cbEntradas->setCurrentIndex(-1);
    cbEntradas->setEditText(texto);
    cbEntradas->blockSignals(false);
    cbEntradas->completer()->setCompletionMode(QCompleter::PopupCompletion);
}

qint64 TFrmRelExtratoConta::chave() const
{
    // The key, also when a whole list entry ("12 / 01/03/2026 / ...") is shown.
    const QString t = cbEntradas->currentText().trimmed().section(QLatin1Char('/'), 0, 0).trimmed();
    bool ok = false;
    const qint64 k = t.toLongLong(&ok);
    return ok && k > 0 ? k : 0;
}

void TFrmRelExtratoConta::definirChave(qint64 idEntrada)
{
    cbEntradas->setEditText(idEntrada > 0 ? QString::number(idEntrada) : QString());
}

Tipo TFrmRelExtratoConta::tipo() const
{
    return rbEntrada->isChecked() ? Tipo::Entrada : rbConferencia->isChecked() ? Tipo::Conferencia : Tipo::Saida;
}

void TFrmRelExtratoConta::definirTipo(Tipo t)
{
    (t == Tipo::Entrada ? rbEntrada : t == Tipo::Conferencia ? rbConferencia : rbSaida)->setChecked(true);
}

Destino TFrmRelExtratoConta::destino() const
{
    return rbImpressora->isChecked()    ? Destino::Impressora
           : rbCupomFiscal->isChecked() ? Destino::CupomFiscal
           : rbNFCe->isChecked()        ? Destino::NFCe
                                        : Destino::Tela;
}

void TFrmRelExtratoConta::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    carregarEntradas();
    rbNFCe->setEnabled(tParametros().sim(QStringLiteral("NFCE")));
    cbEntradas->setFocus();
}

bool TFrmRelExtratoConta::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        AcaoAtual(kTitulo);
    return QDialog::event(e);
}

bool TFrmRelExtratoConta::eventFilter(QObject *o, QEvent *e)
{
    if ((o == cbEntradas || o == cbEntradas->lineEdit()) && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            btnImprimirClick();
            return true;
        }
        if (k == Qt::Key_Escape) {
            btnSairClick();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmRelExtratoConta::btnSairClick() { reject(); }

void TFrmRelExtratoConta::btnImprimirClick()
{
    const qint64 k = chave();
    if (k <= 0) {
        Mensagem::aviso(kMsgSelecione);
        return;
    }
    imprimir(k, QString::number(k));
    if (isVisible())
        cbEntradas->setFocus();
}

bool TFrmRelExtratoConta::imprimir(qint64 idEntrada, const QString &textoSeletor)
{
    ultimoExtrato.reset();
    const Tipo t = tipo();
    Falta falta = Falta::Nenhuma;
    const std::optional<Extrato> x = montar(DM->Conexao, idEntrada, edtNomePersonalizado->text(), Relogio::agora(), &falta);
    if (!x) {
        Mensagem::aviso(falta == Falta::Cancelada ? kMsgCancelada : kMsgInexistente);
        return false;
    }
    ultimoExtrato = x;
    switch (t) {
    case Tipo::Saida: {
        const Destino d = destino();
        if (d == Destino::CupomFiscal) {
            EntregaFiscal::cupomFiscal(DM->Conexao, *x);
        } else if (d == Destino::NFCe) {
            EntregaFiscal::nfce(DM->Conexao, *x);
        } else {
            const bool pequeno = tParametros().sim(QStringLiteral("COMPROVANTE_PEQ"));
            const Relatorio rel = pequeno ? relatorioComprovante(*x) : relatorioCompleto(*x, CheckBox1->isChecked());
            if (d == Destino::Impressora)
                imprimirNaImpressora(rel);
            else
                Telas::abrir<TFrmVisualizaRelatorio>(rel, this);
        }
        break;
    }
    case Tipo::Entrada: {
        const Relatorio rel =
            relatorioEntrada(*x, conteudos(DM->Conexao, idEntrada), CheckBox1->isChecked(), textoSeletor);
        Telas::abrir<TFrmVisualizaRelatorio>(rel, this);
        break;
    }
    case Tipo::Conferencia: {
        const Relatorio rel = relatorioConferencia(*x, conteudos(DM->Conexao, idEntrada));
        Telas::abrir<TFrmVisualizaRelatorio>(rel, this);
        break;
    }
    }
    NovoRegistrarLog(kOperacaoImpressaoRelatorio, textoLog(textoSeletor, t), QString());
    ++impressoes;
    return true;
}

void TFrmRelExtratoConta::Button1Click()
{
    auto perguntar = [](const QString &texto, qint64 *valor) {
        const std::optional<QString> resposta = Digitacao::texto(kTituloFaixa, texto, QStringLiteral("0"));
        if (!resposta)
            return false;
        bool ok = false;
        *valor = resposta->trimmed().toLongLong(&ok);
        if (!ok)
            *valor = 0;
        return true;
    };
    const Destino d = destino();
    if (d == Destino::CupomFiscal || d == Destino::NFCe) {
        Mensagem::aviso(kMsgFaixaFiscal);
        return;
    }
    qint64 inicial = 0;
    qint64 final = 0;
    if (!perguntar(kPerguntaInicial, &inicial) || !perguntar(kPerguntaFinal, &final))
        return;
    if (inicial <= 0 || final <= 0 || final < inicial) {
        Mensagem::aviso(kMsgFaixa);
        return;
    }
    // Keys of the range that name no live stay are skipped.
    const QList<Linha> vivas = DM->Conexao.lerTodas(
        QStringLiteral("SELECT ID_WALK_IN FROM WALK_IN WHERE ID_WALK_IN BETWEEN ? AND ? AND EXCLUIDO = 'N' "
                       "ORDER BY ID_WALK_IN"),
        {inicial, final});
    for (const Linha &l : vivas) {
        const qint64 k = l.inteiro(QStringLiteral("ID_WALK_IN"));
        definirChave(k);
        imprimir(k, QString::number(k));
    }
}

void TFrmRelExtratoConta::JvXPButton7Click()
{
    Sms::Contexto c;
    c.origem = Sms::Contexto::Origem::Extrato;
    c.idWalkIn = chave();
    c.tipoExtrato = nomeTipo(tipo());
    abrirEnvioSMS(c);
}
