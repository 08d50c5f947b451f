#include "staff/UnitRelFuncionarios.h"

#include "base/CabecalhoTela.h"
#include "base/Caminhos.h"
#include "base/RelatorioPintura.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "staff/CodigoBarras.h"
#include "staff/Funcionarios.h"

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

TFrmRelFuncionarios *FrmRelFuncionarios = nullptr;

namespace RelFuncionarios {

namespace {

QFont fonteCracha(double pixels, double escala)
{
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(std::max(1, int(pixels * escala)));
    return f;
}

// A template picture over a face, or white with a thin frame when missing.
void desenharModelo(QPainter &p, const QRectF &face, const QString &arquivo)
{
    const QImage modelo(arquivo);
    p.fillRect(face, Qt::white);
    if (!modelo.isNull()) {
        p.drawImage(face, modelo);
    } else {
        p.save();
        p.setPen(QPen(Qt::lightGray, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(face.adjusted(0.5, 0.5, -0.5, -0.5));
        p.restore();
    }
}

QString sn(const QString &v) { return v.trimmed(); }

} // namespace

QString tipo(Opcao o)
{
    switch (o) {
    case Opcao::ApenasCadastro: return QStringLiteral("Apenas Cadastro");
    case Opcao::CadastroECracha: return QStringLiteral("Cadastro + Crachá + Código de Barras");
    case Opcao::ApenasCracha: return QStringLiteral("Apenas Crachá + Código de Barras");
    }
    return {};
}

QString textoLog(const QString &escolha, Opcao o)
{
    return kTitulo + QStringLiteral(" (") + escolha + QStringLiteral(")\rTipo:") + tipo(o);
}

QList<Linha> linhas(qint64 chave)
{
    QString sql = QStringLiteral("SELECT * FROM FUNCIONARIO WHERE ") + Funcionarios::kCondicaoVivos;
    Valores v;
    if (chave > 0) {
        sql += QStringLiteral(" AND ID_FUNCIONARIO = ?");
        v << chave;
    }
    sql += QStringLiteral(" ORDER BY NOME, ID_FUNCIONARIO");
    return DM->Conexao.lerTodas(sql, v);
}

QImage cracha(const Linha &f, double escala)
{
    const double s = escala;
    QImage img(QSize(int(kLarguraFace * 3 * s), int(kAlturaFace * s)), QImage::Format_RGB888);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);

    // front: template, photo near the top, badge name and job title under it
    const QRectF frente(0, 0, kLarguraFace * s, kAlturaFace * s);
    desenharModelo(p, frente, Caminhos::naInstalacao(QStringLiteral("img\\cracha\\frente_modelo1.jpg")));
    const QRectF foto((kLarguraFace - 148) / 2 * s, 45 * s, 148 * s, 186 * s);
    p.drawImage(foto, Funcionarios::lerFoto(f.texto(QStringLiteral("FOTO"))));
    p.setPen(Qt::black);
    p.setFont(fonteCracha(16, s));
    p.drawText(QRectF(0, 240 * s, kLarguraFace * s, 26 * s), Qt::AlignCenter, f.texto(QStringLiteral("NOME_CRACHA")));
    p.drawText(QRectF(0, 270 * s, kLarguraFace * s, 26 * s), Qt::AlignCenter, f.texto(QStringLiteral("FUNCAO")));

    // back: template, full name and documents
    const QRectF verso(kLarguraFace * s, 0, kLarguraFace * s, kAlturaFace * s);
    desenharModelo(p, verso, Caminhos::naInstalacao(QStringLiteral("img\\cracha\\verso_modelo1.jpg")));
    p.setPen(Qt::black);
    p.setFont(fonteCracha(11, s));
    const double xv = verso.left() + 12 * s;
    const double wv = verso.width() - 24 * s;
    const int a = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    p.drawText(QRectF(xv, 130 * s, wv, 34 * s), a, f.texto(QStringLiteral("NOME")));
    p.drawText(QRectF(xv, 170 * s, wv, 18 * s), a, QStringLiteral("CPF: ") + f.texto(QStringLiteral("CPF")));
    p.drawText(QRectF(xv, 192 * s, wv, 18 * s), a, QStringLiteral("Identidade: ") + f.texto(QStringLiteral("RG")));

    // to the right of the back: the caption and the bars of the badge's code
    const double xc = 2 * kLarguraFace * s;
    p.setFont(fonteCracha(13, s));
    p.drawText(QRectF(xc, 40 * s, kLarguraFace * s, 24 * s), Qt::AlignCenter, QStringLiteral("Código de Barras"));
    const QString codigo = Funcionarios::codigoCracha(f.texto(QStringLiteral("CPF")));
    if (!codigo.isEmpty())
        CodigoBarras::desenhar(p, QRectF(xc + 4 * s, 72 * s, (kLarguraFace - 8) * s, 110 * s), codigo);
    p.end();
    return img;
}

QList<Secao> ficha(const Linha &f)
{
    auto t = [&](const char *c) { return f.texto(QString::fromLatin1(c)); };
    auto dinheiro = [&](const char *c) { return f.dinheiro(QString::fromLatin1(c)).formatado(); };
    auto hora = [&](const char *c) {
        const QTime h = f.hora(QString::fromLatin1(c));
        return h.isValid() ? h.toString(QStringLiteral("HH:mm:ss")) : QStringLiteral("00:00:00");
    };
    QList<Secao> s;
    s.append({QStringLiteral("DADOS PESSOAIS"),
              {{{QStringLiteral("FUNCIONÁRIO:"), t("NOME")}, {QStringLiteral("CPF:"), t("CPF")}},
               {{QStringLiteral("RG:"), t("RG")}, {QStringLiteral("CTPS:"), t("CTPS")}, {QStringLiteral("SÉRIE:"), t("SERIE")}},
               {{QStringLiteral("ENDEREÇO:"), t("ENDERECO")},
                {QStringLiteral("CEP:"), t("CEP")},
                {QStringLiteral("BAIRRO:"), t("BAIRRO")}},
               {{QStringLiteral("CIDADE:"), t("CIDADE")},
                {QStringLiteral("ESTADO:"), t("ESTADO")},
                {QStringLiteral("TELEFONE:"), t("FONE")}},
               {{QStringLiteral("OBSERVAÇÕES:"), t("OBSERVACAO")}}}});
    s.append({QStringLiteral("DADOS BANCÁRIOS E FINANCEIROS"),
              {{{QStringLiteral("NÚMERO DA ANGÊNCIA:"), t("AGENCIA")}, {QStringLiteral("NÚMERO DA CONTA:"), t("CONTA")}},
               {{QStringLiteral("VENDEDOR?"), sn(t("REPRESENTANTE"))},
                {QStringLiteral("SALÁRIO-BASE (R$):"), dinheiro("SALARIO_BASE")},
                {QStringLiteral("COMISSÃO (%):"), dinheiro("COMISSAO")},
                {QStringLiteral("DESCONTO INSS (%):"), dinheiro("INSS")}}}});
    Secao horarios{QStringLiteral("HORÁRIOS"), {{{QStringLiteral("MARCA PONTO?"), sn(t("SOLICITA_PONTO"))}}}};
    const char *const turnos[3][2] = {
        {"TURNO_1_ENT", "TURNO_1_SAI"}, {"TURNO_2_ENT", "TURNO_2_SAI"}, {"TURNO_3_ENT", "TURNO_3_SAI"}};
    for (int i = 0; i < 3; ++i)
        horarios.linhas.append({{QStringLiteral("TURNO %1").arg(i + 1), QString()},
                                {QStringLiteral("ENTRADA ->"), hora(turnos[i][0])},
                                {QStringLiteral("SAÍDA ->"), hora(turnos[i][1])}});
    s.append(horarios);
    return s;
}

Relatorio relatorio(Opcao o, const QString &escolha, const QList<Linha> &funcionarios)
{
    Relatorio rel(kTitulo);
    const QSizeF tamanhoCracha(3 * kLarguraFace * kMmPorUnidade, kAlturaFace * kMmPorUnidade);
    if (o == Opcao::ApenasCracha) {
        // one badge after the other, no page header
        rel.semCabecalho();
        for (const Linha &f : funcionarios)
            rel.figura(cracha(f), tamanhoCracha, Relatorio::Alinhamento::Esquerda);
        return rel;
    }
    rel.linhaCabecalho(QLatin1Char('(') + escolha + QLatin1Char(')'));
    // three columns across the page, as wide as a face of the badge copy
    for (int i = 0; i < 3; ++i)
        rel.coluna(QString(), 1);
    auto celula = [](const QPair<QString, QString> &par) {
        return par.second.isEmpty() ? par.first : par.first + QLatin1Char(' ') + par.second;
    };
    for (const Linha &f : funcionarios) {
        for (const Secao &s : ficha(f)) {
            rel.texto(s.titulo);
            for (QList<QPair<QString, QString>> linha : s.linhas) {
                // a long text (name, address, remarks) takes the row above the cells
                QString acima;
                const QString rotulo = linha.first().first;
                if (rotulo == u"FUNCIONÁRIO:" || rotulo == u"ENDEREÇO:" || rotulo == u"OBSERVAÇÕES:")
                    acima = celula(linha.takeFirst());
                do {
                    QList<Relatorio::Celula> c;
                    for (int i = 0; i < 3 && !linha.isEmpty(); ++i)
                        c << celula(linha.takeFirst());
                    if (acima.isEmpty())
                        rel.linha(c);
                    else
                        rel.linha(acima, c);
                    acima.clear();
                } while (!linha.isEmpty());
            }
        }
        // "Apenas Cadastro" prints the sheet alone (the badge area covered)
        if (o == Opcao::CadastroECracha) {
            rel.texto(QStringLiteral("CRACHÁ"));
            rel.linha({QStringLiteral("FRENTE"), QStringLiteral("VERSO")});
            rel.figura(cracha(f), tamanhoCracha, Relatorio::Alinhamento::Esquerda);
        }
        rel.texto(QString());
    }
    return rel;
}

} // namespace RelFuncionarios

using namespace RelFuncionarios;

TFrmRelFuncionarios::TFrmRelFuncionarios(qint64 chave, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Relatório - Funcionários"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    cbFuncionarios = new QComboBox(this);
    cbFuncionarios->setObjectName(QStringLiteral("cbFuncionarios"));
    cbFuncionarios->setMinimumWidth(380);
    auto *modelo = new QStandardItemModel(0, 2, cbFuncionarios);
    modelo->appendRow({new QStandardItem(QString()), new QStandardItem(kTodos)});
    for (const Linha &f : DM->Conexao.lerTodas(
             QStringLiteral("SELECT ID_FUNCIONARIO, NOME FROM FUNCIONARIO WHERE ")
             + Funcionarios::kCondicaoVivos + QStringLiteral(" ORDER BY NOME")))
        modelo->appendRow({new QStandardItem(f.texto(QStringLiteral("ID_FUNCIONARIO")) + QLatin1Char('/')),
                           new QStandardItem(f.texto(QStringLiteral("NOME")))});
    auto *vista = new QTableView(cbFuncionarios);
    vista->horizontalHeader()->hide();
    vista->verticalHeader()->hide();
    vista->setSelectionBehavior(QAbstractItemView::SelectRows);
    vista->horizontalHeader()->setStretchLastSection(true);
    vista->setColumnWidth(0, 70);
    cbFuncionarios->setModel(modelo);
    cbFuncionarios->setView(vista);
    cbFuncionarios->setModelColumn(1);
    cbFuncionarios->installEventFilter(this);
    layout->addWidget(cbFuncionarios);

    grpOpcoes = new QGroupBox(QStringLiteral("  Opções:  "), this);
    auto *lo = new QVBoxLayout(grpOpcoes);
    rbApenasCadastro = new QRadioButton(QStringLiteral("Imprimir Apenas Cadastro"), grpOpcoes);
    rbCadastroCracha = new QRadioButton(QStringLiteral("Imprimir Cadastro + Crachá + Código de Barras"), grpOpcoes);
    rbApenasCracha = new QRadioButton(QStringLiteral("Imprimir Apenas Crachá + Código de Barras"), grpOpcoes);
    for (QRadioButton *r : {rbApenasCadastro, rbCadastroCracha, rbApenasCracha})
        lo->addWidget(r);
    rbApenasCadastro->setChecked(true);
    layout->addWidget(grpOpcoes);

    auto *botoes = new QHBoxLayout;
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    btnImprimir->setToolTip(QStringLiteral("Imprimir"));
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    btnSair->setToolTip(QStringLiteral("Sair"));
    btnImprimir->setAutoDefault(false);
    btnSair->setAutoDefault(false);
    botoes->addStretch();
    botoes->addWidget(btnImprimir);
    botoes->addWidget(btnSair);
    layout->addLayout(botoes);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelFuncionarios::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmRelFuncionarios::btnSairClick);

    escolherFuncionario(chave);
}

void TFrmRelFuncionarios::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    imgCabecalho->setPixmap(imagemPadrao());
    AcaoAtual(kTitulo);
    cbFuncionarios->setFocus();
}

void TFrmRelFuncionarios::escolherFuncionario(qint64 chave)
{
    cbFuncionarios->setCurrentIndex(0);
    if (chave <= 0)
        return;
    const QString alvo = QString::number(chave) + QLatin1Char('/');
    for (int i = 1; i < cbFuncionarios->count(); ++i)
        if (cbFuncionarios->model()->index(i, 0).data().toString() == alvo) {
            cbFuncionarios->setCurrentIndex(i);
            return;
        }
}

qint64 TFrmRelFuncionarios::chaveEscolhida() const
{
    const int i = cbFuncionarios->currentIndex();
    if (i <= 0)
        return 0;
    return cbFuncionarios->model()->index(i, 0).data().toString().chopped(1).toLongLong();
}

QString TFrmRelFuncionarios::textoEscolha() const
{
    return cbFuncionarios->currentIndex() < 0 ? kTodos : cbFuncionarios->currentText();
}

Opcao TFrmRelFuncionarios::opcao() const
{
    if (rbCadastroCracha->isChecked())
        return Opcao::CadastroECracha;
    if (rbApenasCracha->isChecked())
        return Opcao::ApenasCracha;
    return Opcao::ApenasCadastro;
}

bool TFrmRelFuncionarios::eventFilter(QObject *o, QEvent *e)
{
    if (o == cbFuncionarios && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            btnImprimirClick();
            return true;
        }
        if (k == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmRelFuncionarios::btnImprimirClick()
{
    const Opcao o = opcao();
    const QString escolha = textoEscolha();
    const Relatorio rel = relatorio(o, escolha, linhas(chaveEscolhida()));
    RelatorioPintura::exibir(rel, textoLog(escolha, o), RelatorioPintura::Destino::Visualizar, {}, this);
}

void TFrmRelFuncionarios::btnSairClick() { reject(); }

void abrirRelFuncionarios(QWidget *parent, qint64 chave)
{
    Telas::abrir<TFrmRelFuncionarios>(FrmRelFuncionarios, chave, parent);
}
