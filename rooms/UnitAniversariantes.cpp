#include "rooms/UnitAniversariantes.h"

#include "base/CabecalhoTela.h"
#include "base/Erros.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "platform/Email.h"
#include "rooms/Clientes.h"
#include "rooms/UnitRelAniversariantes.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TFrmAniversariantes *FrmAniversariantes = nullptr;

namespace A = Aniversariantes;

TFrmAniversariantes::TFrmAniversariantes(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Aniversariantes"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    imgCabecalho->setPixmap(imagemPadrao());
    layout->addWidget(imgCabecalho);

    // Choosing the birthdays and the picker.
    auto *escolha = new QGroupBox(QStringLiteral("Aniversariantes"), this);
    auto *ge = new QGridLayout(escolha);
    edtDiaMes = new QLineEdit(escolha);
    edtDiaMes->setObjectName(QStringLiteral("edtDiaMes"));
    edtDiaMes->setInputMask(QStringLiteral("99/99; "));
    edtDiaMes->setMaximumWidth(70);
    cbMes = new QComboBox(escolha);
    cbMes->setObjectName(QStringLiteral("cbMes"));
    cbMes->addItems(A::meses());
    cbMes->setMinimumWidth(200);
    lblTotalCom = new QLabel(QStringLiteral("0"), escolha);
    lblTotalSem = new QLabel(QStringLiteral("0"), escolha);
    ge->addWidget(new QLabel(QStringLiteral("Dia/Mês ->"), escolha), 0, 0);
    ge->addWidget(edtDiaMes, 0, 1);
    ge->addWidget(new QLabel(QStringLiteral("Mês ->"), escolha), 0, 2);
    ge->addWidget(cbMes, 0, 3);
    ge->addWidget(new QLabel(QStringLiteral("Total com e-mail ->"), escolha), 1, 0);
    ge->addWidget(lblTotalCom, 1, 1);
    ge->addWidget(new QLabel(QStringLiteral("Total sem e-mail ->"), escolha), 1, 2);
    ge->addWidget(lblTotalSem, 1, 3);

    pnlEmails = new QFrame(escolha);
    pnlEmails->setFrameShape(QFrame::StyledPanel);
    auto *gp = new QGridLayout(pnlEmails);
    btnFecharConsulta = new QPushButton(QStringLiteral("x"), pnlEmails);
    btnFecharConsulta->setToolTip(QStringLiteral("Fechar Consulta"));
    btnFecharConsulta->setMaximumWidth(28);
    lstEmails = new QListWidget(pnlEmails);
    btnOk = new QPushButton(QStringLiteral("OK"), pnlEmails);
    gp->addWidget(new QLabel(QStringLiteral("Selecione os e-mails desejados:"), pnlEmails), 0, 0);
    gp->addWidget(btnFecharConsulta, 0, 1);
    gp->addWidget(lstEmails, 1, 0, 1, 2);
    gp->addWidget(btnOk, 2, 0, 1, 2, Qt::AlignRight);
    ge->addWidget(pnlEmails, 2, 0, 1, 4);
    pnlEmails->hide();
    layout->addWidget(escolha);

    // The account and the message.
    auto *msg = new QGroupBox(QStringLiteral("E-mail"), this);
    auto *gm = new QGridLayout(msg);
    edtConta = new QLineEdit(msg);
    edtConta->setMaxLength(100);
    edtSenha = new QLineEdit(msg);
    edtSenha->setEchoMode(QLineEdit::Password);
    edtSenha->setMaxLength(100);
    edtRemetente = new QLineEdit(msg);
    edtRemetente->setMaxLength(100);
    edtAssunto = new QLineEdit(msg);
    edtAssunto->setMaxLength(200);
    memMensagem = new QPlainTextEdit(msg);
    lblPara = new QLabel(A::rotuloPara(QString()), msg);
    memPara = new QPlainTextEdit(msg);
    memPara->setMaximumHeight(70);
    btnLimparLista = new QPushButton(QStringLiteral("Limpar Lista"), msg);
    lstAnexos = new QListWidget(msg);
    lstAnexos->setMaximumHeight(80);
    btnAdicionar = new QPushButton(QStringLiteral("Adicionar "), msg);
    btnRemover = new QPushButton(QStringLiteral("Remover"), msg);
    int l = 0;
    gm->addWidget(new QLabel(QStringLiteral("Conta de e-mail:"), msg), l, 0);
    gm->addWidget(edtConta, l++, 1, 1, 2);
    gm->addWidget(new QLabel(QStringLiteral("Senha para autenticação:"), msg), l, 0);
    gm->addWidget(edtSenha, l++, 1, 1, 2);
    gm->addWidget(new QLabel(QStringLiteral("Remetente:"), msg), l, 0);
    gm->addWidget(edtRemetente, l++, 1, 1, 2);
    gm->addWidget(lblPara, l, 0);
    gm->addWidget(memPara, l, 1);
    gm->addWidget(btnLimparLista, l++, 2, Qt::AlignTop);
    gm->addWidget(new QLabel(QStringLiteral("Assunto:"), msg), l, 0);
    gm->addWidget(edtAssunto, l++, 1, 1, 2);
    gm->addWidget(new QLabel(QStringLiteral("Mensagem:"), msg), l, 0, Qt::AlignTop);
    gm->addWidget(memMensagem, l++, 1, 1, 2);
    auto *botoesAnexo = new QVBoxLayout;
    botoesAnexo->addWidget(btnAdicionar);
    botoesAnexo->addWidget(btnRemover);
    botoesAnexo->addStretch();
    gm->addWidget(new QLabel(QStringLiteral("Anexos:"), msg), l, 0, Qt::AlignTop);
    gm->addWidget(lstAnexos, l, 1);
    gm->addLayout(botoesAnexo, l++, 2);
    layout->addWidget(msg);

    auto *rodape = new QHBoxLayout;
    lblStatus = new QLabel(kStatusAguardando, this);
    pbEnvio = new QProgressBar(this);
    pbEnvio->setRange(0, 5);
    pbEnvio->setValue(0);
    pbEnvio->setTextVisible(false);
    rodape->addWidget(lblStatus);
    rodape->addWidget(pbEnvio, 1);
    layout->addLayout(rodape);

    auto *botoes = new QHBoxLayout;
    btnSalvar = new QPushButton(QStringLiteral("Salvar Informações"), this);
    btnEnviar = new QPushButton(QStringLiteral("Enviar e-mail"), this);
    btnImprimir = new QPushButton(QStringLiteral("Imprimir Relatório"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnOk, btnFecharConsulta, btnLimparLista, btnAdicionar, btnRemover, btnSalvar, btnEnviar,
                           btnImprimir, btnSair})
        b->setAutoDefault(false);
    botoes->addWidget(btnSalvar);
    botoes->addWidget(btnEnviar);
    botoes->addStretch();
    botoes->addWidget(btnImprimir);
    botoes->addWidget(btnSair);
    layout->addLayout(botoes);

    edtDiaMes->installEventFilter(this);
    connect(cbMes, &QComboBox::activated, this, &TFrmAniversariantes::cbMesChange);
    connect(btnOk, &QPushButton::clicked, this, &TFrmAniversariantes::btnOkClick);
    connect(btnFecharConsulta, &QPushButton::clicked, this, &TFrmAniversariantes::btnFecharConsultaClick);
    connect(memPara, &QPlainTextEdit::textChanged, this, &TFrmAniversariantes::memParaChange);
    connect(btnLimparLista, &QPushButton::clicked, this, &TFrmAniversariantes::btnLimparListaClick);
    connect(btnAdicionar, &QPushButton::clicked, this, &TFrmAniversariantes::btnAdicionarClick);
    connect(btnRemover, &QPushButton::clicked, this, &TFrmAniversariantes::btnRemoverClick);
    connect(btnSalvar, &QPushButton::clicked, this, &TFrmAniversariantes::btnSalvarClick);
    connect(btnEnviar, &QPushButton::clicked, this, &TFrmAniversariantes::btnEnviarClick);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmAniversariantes::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmAniversariantes::btnSairClick);

    AcaoAtual(QStringLiteral("Aniversariantes"));
    servidorEmail = A::servidor();
    const A::Conta c = A::ler(DM->Conexao);
    edtConta->setText(c.conta);
    edtSenha->setText(c.senha);
    edtRemetente->setText(c.remetente);
    edtAssunto->setText(c.assunto);
    memMensagem->setPlainText(c.mensagem);
    edtDiaMes->setText(Relogio::hoje().toString(QStringLiteral("dd/MM")));
    edtDiaMes->setFocus();
    resize(640, 720);
}

bool TFrmAniversariantes::eventFilter(QObject *o, QEvent *e)
{
    if (o == edtDiaMes) {
        if (e->type() == QEvent::FocusIn)
            edtDiaMesEnter();
        else if (e->type() == QEvent::KeyPress) {
            const int k = static_cast<QKeyEvent *>(e)->key();
            if (k == Qt::Key_Return || k == Qt::Key_Enter) {
                edtDiaMesConfirmar();
                return true;
            }
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmAniversariantes::edtDiaMesEnter() { cbMes->setCurrentIndex(0); }

void TFrmAniversariantes::zerarTotais()
{
    lblTotalCom->setText(QStringLiteral("0"));
    lblTotalSem->setText(QStringLiteral("0"));
}

void TFrmAniversariantes::edtDiaMesConfirmar()
{
    const QString texto = edtDiaMes->displayText();
    if (texto == A::kDiaMesVazio) {
        zerarTotais();
        return;
    }
    const std::optional<A::DiaMes> d = A::lerDiaMes(texto);
    if (!d) {
        Mensagem::aviso(A::kMsgDiaMesInvalido);
        edtDiaMes->setFocus();
        return;
    }
    mostrarEscolha(A::porDia(DM->Conexao, d->dia, d->mes));
}

void TFrmAniversariantes::cbMesChange(int indice)
{
    edtDiaMes->clear();
    if (indice <= 0) {
        zerarTotais();
        return;
    }
    mostrarEscolha(A::porMes(DM->Conexao, indice));
}

void TFrmAniversariantes::mostrarEscolha(const QList<A::Cliente> &clientes)
{
    const A::Escolha e = A::escolha(clientes);
    // The picker keeps what it listed until it is closed.
    for (const A::ItemEscolha &i : e.itens) {
        auto *item = new QListWidgetItem(i.texto, lstEmails);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(i.valido ? Qt::Checked : Qt::Unchecked);
        m_itens.append(i);
    }
    pnlEmails->show();
    lblTotalCom->setText(QString::number(e.comEmail));
    lblTotalSem->setText(QString::number(e.semEmail));
    btnOk->setFocus();
}

void TFrmAniversariantes::btnOkClick()
{
    QList<bool> marcados;
    for (int i = 0; i < lstEmails->count(); ++i)
        marcados.append(lstEmails->item(i)->checkState() == Qt::Checked);
    const QString novos = A::acrescentarPara(m_itens, marcados);
    if (!novos.isEmpty()) {
        QString para = memPara->toPlainText();
        para += novos;
        memPara->setPlainText(para);
    }
    btnFecharConsultaClick();
}

void TFrmAniversariantes::btnFecharConsultaClick()
{
    lstEmails->clear();
    m_itens.clear();
    pnlEmails->hide();
}

void TFrmAniversariantes::memParaChange() { lblPara->setText(A::rotuloPara(memPara->toPlainText())); }

void TFrmAniversariantes::btnLimparListaClick() { memPara->clear(); }

void TFrmAniversariantes::btnAdicionarClick()
{
    const QStringList escolhidos =
        Telas::escolherArquivos(this, QStringLiteral("Anexos"), QString(), QStringLiteral("Todos os arquivos (*)"));
    const QStringList atuais = anexos();
    for (const QString &c : escolhidos)
        if (!atuais.contains(c) && lstAnexos->findItems(c, Qt::MatchExactly).isEmpty())
            lstAnexos->addItem(c);
}

void TFrmAniversariantes::btnRemoverClick()
{
    delete lstAnexos->currentItem();
}

QStringList TFrmAniversariantes::anexos() const
{
    QStringList r;
    for (int i = 0; i < lstAnexos->count(); ++i)
        r << lstAnexos->item(i)->text();
    return r;
}

A::Conta TFrmAniversariantes::conta() const
{
    return {edtConta->text(), edtSenha->text(), edtRemetente->text(), edtAssunto->text(),
            memMensagem->toPlainText()};
}

void TFrmAniversariantes::btnSalvarClick()
{
    const A::Conta c = conta();
    const QString erro = A::validar(c);
    if (!erro.isEmpty()) {
        Mensagem::aviso(erro);
        return;
    }
    A::salvar(DM->Conexao, c);
    Mensagem::info(A::kMsgSalvo);
}

void TFrmAniversariantes::marcar(const QString &status)
{
    if (!status.isEmpty())
        lblStatus->setText(status);
    pbEnvio->setValue(std::min(pbEnvio->maximum(), pbEnvio->value() + 1));
}

void TFrmAniversariantes::btnEnviarClick()
{
    const A::Conta c = conta();
    const QString para = memPara->toPlainText();
    const QStringList enderecos = A::destinatarios(para);
    if (enderecos.isEmpty()) {
        Mensagem::aviso(kMsgParaVazio);
        memPara->setFocus();
        return;
    }
    for (const QString &e : enderecos)
        if (!Clientes::emailValido(e)) {
            Mensagem::aviso(kMsgParaInvalido.arg(e));
            memPara->setFocus();
            return;
        }
    const QStringList arquivos = anexos();
    for (const QString &a : arquivos) {
        const QFileInfo info(a);
        if (info.exists() && (!info.isFile() || !info.isReadable())) {
            Mensagem::aviso(QStringLiteral("Não foi possível ler o anexo \"%1\".").arg(a));
            return;
        }
    }
    pbEnvio->setRange(0, 5);
    pbEnvio->setValue(0);
    EnviarEmail(servidorEmail.host, servidorEmail.porta, c.conta, c.senha, c.remetente, c.conta, para, c.assunto,
                c.mensagem, 0, -1, false, arquivos);
    pbEnvio->setValue(0);
    lblStatus->setText(kStatusAguardando);
    A::registrarEnvio(DM->Conexao, c, para);
}

bool TFrmAniversariantes::EnviarEmail(const QString &Dominio, const QString &Porta, const QString &Usuario,
                                      const QString &Senha, const QString &DeNome, const QString &DeEmail,
                                      const QString &Para, const QString &Assunto, const QString &Corpo,
                                      int CorpoMIME, int AnexoMIME, bool AutoResposta, const QStringList &Anexo)
{
    marcar(QStringLiteral("Montando Mensagem..."));
    Email::Mensagem m;
    m.deNome = DeNome;
    m.deEmail = DeEmail;
    m.para = A::destinatarios(Para.trimmed());
    m.assunto = Assunto.trimmed();
    m.corpo = Corpo;
    m.tipoCorpo = EmailTipoMIME(CorpoMIME);
    // A number without a type lets the file name choose it.
    m.tipoAnexo = EmailTipoMIME(AnexoMIME);
    m.confirmacaoLeitura = AutoResposta;
    m.anexos = Anexo;
    marcar({});
    if (!Anexo.isEmpty())
        lblStatus->setText(QStringLiteral("Anexando Arquivos..."));
    QByteArray bruta;
    try {
        bruta = Email::montar(m);
    } catch (const ErroSistema &e) {
        Mensagem::aviso(e.texto());
        return false;
    }
    marcar(QStringLiteral("Autenticando SSL..."));
    marcar(QStringLiteral("Enviando Mensagem..."));
    bool portaOk = false;
    const int porta = Porta.trimmed().toInt(&portaOk);
    Email::Resultado r;
    if (!portaOk || porta <= 0 || porta > 65535 || Dominio.trimmed().isEmpty())
        r = {Email::Falha::Conexao, QString()};
    else
        r = Email::enviar({Dominio.trimmed(), porta, servidorEmail.arquivoCA, 10000}, Usuario, Senha, DeEmail,
                          m.para, bruta);
    switch (r.falha) {
    case Email::Falha::Nenhuma: break;
    case Email::Falha::Tls: Mensagem::info(kMsgSslFalhou); break;
    case Email::Falha::Autenticacao: Mensagem::info(kMsgAutenticacaoFalhou); break;
    case Email::Falha::Conexao: Mensagem::info(kMsgConexaoInterrompida); break;
    case Email::Falha::Recusa: Mensagem::aviso(kMsgRecusada + r.resposta); break;
    }
    marcar({});
    if (r.ok())
        Mensagem::info(kMsgEnviada);
    return r.ok();
}

QString TFrmAniversariantes::EmailTipoMIME(int TipoMIME) { return A::tipoMime(TipoMIME); }

void TFrmAniversariantes::btnImprimirClick() { abrirRelAniversariantes(this); }

void TFrmAniversariantes::btnSairClick() { reject(); }

void abrirAniversariantes(QWidget *parent) { Telas::abrir<TFrmAniversariantes>(FrmAniversariantes, parent); }
