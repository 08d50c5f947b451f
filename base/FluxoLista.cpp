#include "base/FluxoLista.h"
#include "base/Grade.h"

#include <QDialog>
#include <QEvent>
#include <QTableView>

namespace FluxoLista {

bool editar(TelaLista *lista, QString &op, Acao acao, const std::function<int()> &abrir)
{
    if (acao != Acao::Novo && lista->vazia())
        return false;
    switch (acao) {
    case Acao::Novo: op = QStringLiteral("I"); break;
    case Acao::Alterar:
        if (op != QLatin1String("V"))
            op = QStringLiteral("A");
        break;
    case Acao::Ver: op = QStringLiteral("V"); break;
    }
    int r = QDialog::Rejected;
    try {
        r = abrir();
    } catch (...) {
        lista->reabrir();
        throw;
    }
    if (r != QDialog::Accepted)
        op.clear();
    lista->reabrir();
    return true;
}

bool excluir(TelaLista *lista, const QString &pergunta, const std::function<void()> &apagar)
{
    if (lista->vazia() || !TelaLista::confirmar(pergunta))
        return false;
    lista->prepararExclusao();
    try {
        apagar();
    } catch (...) {
        ReapontarGridEsquecer();
        throw;
    }
    lista->reabrir();
    return true;
}

namespace {

class PrimeiraExibicao : public QObject {
public:
    PrimeiraExibicao(TelaLista *lista, QObject *tela) : QObject(tela), m_lista(lista) {}

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show) {
            o->removeEventFilter(this);
            m_lista->reabrir();
            m_lista->grade()->setFocus();
            deleteLater();
        }
        return false;
    }

private:
    TelaLista *m_lista;
};

} // namespace

void abrirAoMostrar(TelaLista *lista)
{
    QObject *tela = lista->parent();
    tela->installEventFilter(new PrimeiraExibicao(lista, tela));
}

} // namespace FluxoLista
