#include "rooms/UnitRelClientes.h"

#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/Telas.h"
#include "base/TelaEdicao.h"
#include "base/UnitLog.h"
#include "base/RelatorioPintura.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

TFrmRelClientes *FrmRelClientes = nullptr;

namespace RelClientes {

QString linhaOpcao(const Filtro &f)
{
    switch (f.opcao) {
    case Opcao::Geral: return QLatin1Char('(') + f.textoEscolha + QLatin1Char(')');
    case Opcao::Restricao: return QStringLiteral("(Apenas Clientes com Restrição)");
    case Opcao::Negativados: return QStringLiteral("(Apenas Clientes com Negativação)");
    case Opcao::Fisicas: return QStringLiteral("(Apenas Pessoas Físicas)");
    case Opcao::Juridicas: return QStringLiteral("(Apenas Pessoas Jurídicas)");
    case Opcao::Periodo:
        return QStringLiteral("(Apenas Hospedados no Período de ") + f.de.toString(QStringLiteral("dd/MM/yyyy"))
            + QStringLiteral(" até ") + f.ate.toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(')');
    }
    return {};
}

QString textoLog(const Filtro &f) { return QStringLiteral("Relatório de Clientes (") + f.textoEscolha + QLatin1Char(')'); }

QList<Linha> linhas(const Filtro &f)
{
    QStringList condicoes;
    Valores v;
    QString sql;
    if (f.opcao == Opcao::Periodo) {
        // a stay whose customer no longer exists prints no empty card
        sql = QStringLiteral(
            "SELECT C.* FROM CLIENTE C JOIN WALK_IN W ON C.ID_CLIENTE = W.ID_CLIENTE "
            "WHERE ((W.DATA_ENTRADA >= ? AND W.DATA_ENTRADA <= ?) OR (W.DATA_SAIDA >= ? AND W.DATA_SAIDA <= ?) "
            "OR W.BAIXA = 'N') AND W.EXCLUIDO = 'N'");
        v << f.de << f.ate << f.de << f.ate;
    } else {
        sql = QStringLiteral("SELECT C.* FROM CLIENTE C WHERE 1 = 1");
    }
    if (f.idCliente > 0) {
        sql += QStringLiteral(" AND C.ID_CLIENTE = ?");
        v << f.idCliente;
    } else {
        switch (f.opcao) {
        case Opcao::Restricao: sql += QStringLiteral(" AND C.EXCLUIDO = 'R'"); break;
        case Opcao::Negativados: sql += QStringLiteral(" AND C.EXCLUIDO = 'S'"); break;
        case Opcao::Fisicas: sql += QStringLiteral(" AND C.TIPO_PESSOA = 'F'"); break;
        case Opcao::Juridicas: sql += QStringLiteral(" AND C.TIPO_PESSOA = 'J'"); break;
        default: break;
        }
    }
    sql += QStringLiteral(" ORDER BY C.NOME, C.ID_CLIENTE");
    return DM->Conexao.lerTodas(sql, v);
}

QList<QPair<QString, QString>> cartao(const Linha &c)
{
    auto t = [&](const char *col) { return c.texto(QString::fromLatin1(col)); };
    return {
        {QStringLiteral("NOME...................:"), t("NOME")},
        {QStringLiteral("CNPJ / CPF..........:"), t("CNPJ_CPF")},
        {QStringLiteral("RG / INSCRIÇÃO ESTADUAL:"), t("RG_INSC_EST")},
        {QStringLiteral("UF:"), t("ESTADO")},
        {QStringLiteral("ENDEREÇO...........:"), t("ENDERECO")},
        {QStringLiteral("CIDADE:"), t("CIDADE")},
        {QStringLiteral("BAIRRO:"), t("BAIRRO")},
        {QStringLiteral("CEP:"), t("CEP")},
        {QStringLiteral("CONTATO.............:"), t("CONTATO")},
        {QStringLiteral("FONE:"), t("FONE_1")},
        {QStringLiteral("FAX:"), t("FAX")},
        {QStringLiteral("OBSERVAÇÕES.....:"), t("OBSERVACAO")},
        {QStringLiteral("EMAIL...................:"), t("EMAIL")},
        {QStringLiteral("MOTIVO................:"), t("MOTIVO")},
    };
}

Relatorio relatorio(const Filtro &f, const QList<Linha> &linhas)
{
    Relatorio rel(kTitulo);
    const QString opcao = linhaOpcao(f);
    // the frame puts the option line between its own brackets
    rel.opcoes(opcao.mid(1, opcao.size() - 2));
    rel.coluna(QString(), 18);
    rel.coluna(QString(), 32);
    rel.coluna(QString(), 18);
    rel.coluna(QString(), 32);
    for (const Linha &c : linhas) {
        const QList<QPair<QString, QString>> k = cartao(c);
        // NOME | CNPJ / CPF, RG | UF, ENDEREÇO | CIDADE, BAIRRO | CEP,
        // CONTATO | FONE, FAX | EMAIL, OBSERVAÇÕES, MOTIVO
        auto par = [&](int a, int b) {
            rel.linha({k[a].first, k[a].second, b < 0 ? QString() : k[b].first, b < 0 ? QString() : k[b].second});
        };
        par(0, 1);
        par(2, 3);
        par(4, 5);
        par(6, 7);
        par(8, 9);
        par(10, 12);
        par(11, -1);
        // the reason may hold several lines
        const QStringList motivo = k[13].second.split(QRegularExpression(QStringLiteral("\\r\\n|\\r|\\n")));
        for (int i = 0; i < motivo.size(); ++i)
            rel.linha({i == 0 ? k[13].first : QString(), motivo[i], QString(), QString()});
        rel.texto(QString());
    }
    rel.resumo(QStringLiteral("TOTAL DE CLIENTES:"), qint64(linhas.size()));
    return rel;
}

} // namespace RelClientes

TFrmRelClientes::TFrmRelClientes(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Relatório - Clientes"));
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    imgCabecalho->setPixmap(imagemPadrao());
    layout->addWidget(imgCabecalho);

    auto *grupo = new QGroupBox(QStringLiteral(" Opções: "), this);
    auto *g = new QGridLayout(grupo);
    rbGeral = new QRadioButton(QStringLiteral("Geral"), grupo);
    rbRestricao = new QRadioButton(QStringLiteral("Apenas com Restrição"), grupo);
    rbNegativados = new QRadioButton(QStringLiteral("Apenas Negativados"), grupo);
    rbFisicas = new QRadioButton(QStringLiteral("Apenas Pessoas Físicas"), grupo);
    rbJuridicas = new QRadioButton(QStringLiteral("Apenas Pessoas Jurídicas"), grupo);
    rbPeriodo = new QRadioButton(QStringLiteral("Apenas Hospedados no Período de "), grupo);
    cbClientes = new QComboBox(grupo);
    cbClientes->setObjectName(QStringLiteral("cbClientes"));
    cbClientes->setMinimumWidth(360);
    edtData1 = new QDateEdit(Relogio::hoje(), grupo);
    edtData2 = new QDateEdit(Relogio::hoje(), grupo);
    for (QDateEdit *d : {edtData1, edtData2}) {
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setCalendarPopup(true);
        d->setEnabled(false);
    }
    g->addWidget(rbGeral, 0, 0);
    g->addWidget(cbClientes, 0, 1, 1, 3);
    g->addWidget(rbRestricao, 1, 0);
    g->addWidget(rbNegativados, 2, 0);
    g->addWidget(rbFisicas, 3, 0);
    g->addWidget(rbJuridicas, 4, 0);
    g->addWidget(rbPeriodo, 5, 0);
    g->addWidget(edtData1, 5, 1);
    g->addWidget(new QLabel(QStringLiteral("até"), grupo), 5, 2);
    g->addWidget(edtData2, 5, 3);
    layout->addWidget(grupo);

    // the choice lists key and name; the box shows the name
    auto *modelo = new QStandardItemModel(0, 2, cbClientes);
    modelo->appendRow({new QStandardItem(QString()), new QStandardItem(RelClientes::kTodos)});
    for (const Linha &c : DM->Conexao.lerTodas(QStringLiteral("SELECT ID_CLIENTE, NOME FROM CLIENTE ORDER BY NOME")))
        modelo->appendRow({new QStandardItem(c.texto(QStringLiteral("ID_CLIENTE")) + QLatin1Char('/')),
                           new QStandardItem(c.texto(QStringLiteral("NOME")))});
    auto *vista = new QTableView(cbClientes);
    vista->horizontalHeader()->hide();
    vista->verticalHeader()->hide();
    vista->setSelectionBehavior(QAbstractItemView::SelectRows);
    vista->horizontalHeader()->setStretchLastSection(true);
    vista->setColumnWidth(0, 70);
    cbClientes->setModel(modelo);
    cbClientes->setView(vista);
    cbClientes->setModelColumn(1);
    cbClientes->setCurrentIndex(0);
    cbClientes->installEventFilter(this);

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

    for (QRadioButton *r : {rbGeral, rbRestricao, rbNegativados, rbFisicas, rbJuridicas, rbPeriodo})
        connect(r, &QRadioButton::clicked, this, &TFrmRelClientes::opcaoClick);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmRelClientes::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmRelClientes::btnSairClick);
    rbGeral->setChecked(true);
    opcaoClick();
    AcaoAtual(RelClientes::kTitulo);
}

void TFrmRelClientes::opcaoClick()
{
    const bool geral = rbGeral->isChecked();
    cbClientes->setEnabled(geral);
    const bool periodo = rbPeriodo->isChecked();
    edtData1->setEnabled(periodo);
    edtData2->setEnabled(periodo);
    if (rbRestricao->isChecked() || rbNegativados->isChecked())
        cbClientes->setCurrentIndex(-1);
    if (geral)
        cbClientes->setFocus();
    else if (periodo)
        edtData1->setFocus();
}

RelClientes::Filtro TFrmRelClientes::filtro() const
{
    RelClientes::Filtro f;
    f.opcao = rbRestricao->isChecked()     ? RelClientes::Opcao::Restricao
              : rbNegativados->isChecked() ? RelClientes::Opcao::Negativados
              : rbFisicas->isChecked()     ? RelClientes::Opcao::Fisicas
              : rbJuridicas->isChecked()   ? RelClientes::Opcao::Juridicas
              : rbPeriodo->isChecked()     ? RelClientes::Opcao::Periodo
                                           : RelClientes::Opcao::Geral;
    const int i = cbClientes->currentIndex();
    f.textoEscolha = i < 0 ? QString() : cbClientes->currentText();
    if (i > 0)
        f.idCliente = cbClientes->model()->index(i, 0).data().toString().chopped(1).toLongLong();
    f.de = edtData1->date();
    f.ate = edtData2->date();
    return f;
}

bool TFrmRelClientes::eventFilter(QObject *o, QEvent *e)
{
    if (o == cbClientes && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            btnImprimirClick();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmRelClientes::btnImprimirClick()
{
    const RelClientes::Filtro f = filtro();
    const Relatorio rel = RelClientes::relatorio(f, RelClientes::linhas(f));
    RelatorioPintura::exibir(rel, RelClientes::textoLog(f), RelatorioPintura::Destino::Visualizar, {}, this);
}

void TFrmRelClientes::btnSairClick() { reject(); }

void abrirRelClientes(QWidget *parent) { Telas::abrir<TFrmRelClientes>(FrmRelClientes, parent); }
