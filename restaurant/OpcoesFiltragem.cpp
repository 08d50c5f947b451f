#include "restaurant/OpcoesFiltragem.h"
#include "base/Mensagem.h"
#include "base/TelaEdicao.h"
#include "base/UnitDM.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>

OpcoesFiltragem::OpcoesFiltragem(QDialog *tela, const TextosFiltragem &textos)
    : QObject(tela), m_tela(tela), m_textos(textos)
{
    grupo = new QGroupBox(QStringLiteral("   Opções de Filtragem:   "), tela);
    auto *g = new QGridLayout(grupo);
    chkPreDefinidos = new QCheckBox(textos.preDefinidos, grupo);
    chkPreDefinidos->setObjectName(QStringLiteral("chkPreDefinidos"));
    chkPalavras = new QCheckBox(textos.palavras, grupo);
    chkPalavras->setObjectName(QStringLiteral("chkPalavras"));
    cbEscolha = new QComboBox(grupo);
    cbEscolha->setObjectName(QStringLiteral("cbEscolha"));
    cbEscolha->setMinimumWidth(420);
    cbEscolha->setPlaceholderText(textos.todos);
    cbEscolha->setEnabled(false);
    edtPalavras = new QLineEdit(grupo);
    edtPalavras->setObjectName(QStringLiteral("edtPalavras"));
    emMaiusculas(edtPalavras, 200);
    edtPalavras->setEnabled(false);
    g->addWidget(chkPreDefinidos, 0, 0);
    g->addWidget(cbEscolha, 1, 0);
    g->addWidget(chkPalavras, 2, 0);
    g->addWidget(edtPalavras, 3, 0);
    connect(chkPreDefinidos, &QCheckBox::clicked, this, [this] { marcar(chkPreDefinidos); });
    connect(chkPalavras, &QCheckBox::clicked, this, [this] { marcar(chkPalavras); });
    cbEscolha->installEventFilter(this);
    edtPalavras->installEventFilter(this);
}

void OpcoesFiltragem::carregar(const QString &sql)
{
    cbEscolha->clear();
    for (const Linha &l : DM->Conexao.lerTodas(sql))
        cbEscolha->addItem(l.texto(m_textos.colunaChave) + QStringLiteral(" / ") + l.texto(QStringLiteral("DESCRICAO")),
                           l.inteiro(m_textos.colunaChave));
    cbEscolha->setCurrentIndex(-1);
}

// Ticking one box unticks the other and disables its control.
void OpcoesFiltragem::marcar(QCheckBox *marcada)
{
    QCheckBox *outra = marcada == chkPreDefinidos ? chkPalavras : chkPreDefinidos;
    if (marcada->isChecked())
        outra->setChecked(false);
    cbEscolha->setEnabled(chkPreDefinidos->isChecked());
    edtPalavras->setEnabled(chkPalavras->isChecked());
    if (marcada->isChecked())
        (marcada == chkPreDefinidos ? static_cast<QWidget *>(cbEscolha) : edtPalavras)->setFocus();
}

bool OpcoesFiltragem::eventFilter(QObject *o, QEvent *e)
{
    if ((o == cbEscolha || o == edtPalavras) && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            emit imprimir();
            return true;
        }
        if (k == Qt::Key_Escape) {
            m_tela->reject();
            return true;
        }
    }
    return QObject::eventFilter(o, e);
}

QString OpcoesFiltragem::textoEscolha() const
{
    return cbEscolha->currentIndex() < 0 ? m_textos.todos : cbEscolha->currentText();
}

OpcoesFiltragem::Filtro OpcoesFiltragem::filtro()
{
    Filtro f;
    f.escolha = textoEscolha();
    if (chkPreDefinidos->isChecked()) {
        if (cbEscolha->currentIndex() >= 0)
            f.condicao = {m_textos.colunaChave + QStringLiteral(" = ?"), {cbEscolha->currentData()}};
        f.linha = QStringLiteral("(Filtro: ") + f.escolha + QLatin1Char(')');
    } else if (chkPalavras->isChecked()) {
        // The "all" caption the field shows after an empty print is no word.
        const QString t = edtPalavras->text().trimmed();
        if (t.isEmpty() || t == m_textos.todos)
            edtPalavras->setText(m_textos.todos);
        else
            f.condicao = FormataConsultaMutipla(t, m_textos.colunaDescricao);
        f.linha = QStringLiteral("(Filtro: ") + edtPalavras->text() + QLatin1Char(')');
    } else {
        Mensagem::info(m_textos.nenhumaOpcao);
        f.linha = QStringLiteral("(Filtro: ") + m_textos.todos + QLatin1Char(')');
    }
    f.palavras = edtPalavras->text();
    return f;
}
