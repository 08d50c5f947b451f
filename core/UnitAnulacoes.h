#pragma once
// The recycle bin "Lixeira": lists the deleted records of eight kinds and
// restores five of them. Rooms and products are restored by setting their
// EXCLUIDO back to "N"; users, employees, suppliers and reservations by
// removing one of their rows in the deletion register. Customers are
// restored on the customer list, and cancelled stays cannot be restored.
// The log line and the restore run in one transaction.
#include "base/TelaLista.h"

#include <QDialog>
#include <QList>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace Lixeira {

// In the order of the screen's choices.
enum class Tipo {
    Clientes,
    Usuarios,
    Funcionarios,
    UnidadesHabitacionais,
    Fornecedores,
    Reservas,
    EntradaHospedes,
    ProdutosServicos,
};

struct Definicao {
    Tipo tipo;
    QString legenda;        // caption of the choice
    QString sql;            // list statement: key, then a name, description, note or reason
    QString colunaChave;    // first column of the list
    QString colunaTexto;    // second column of the list
    QString tituloTexto;    // its caption in the grid
    QString recusa;         // refusal message; empty when the kind is restored
    QString atualizacao;    // "UPDATE ... SET EXCLUIDO = 'N' WHERE key = ?" for the EXCLUIDO kinds
    QString colunaAnulacao; // register column for the others
};

const QList<Definicao> &definicoes();
const Definicao &definicao(Tipo tipo);

enum class Restauro { Recusado, Restaurado, NaoEncontrado };

struct ResultadoRestauro {
    Restauro situacao = Restauro::Recusado;
    QString mensagem;
};

inline const QString kPergunta = QStringLiteral("Deseja Realmente Restaurar essa Anulação?");
inline const QString kSucesso = QStringLiteral("Informação Restaurada com Sucesso!");
inline const QString kJaRestaurada = QStringLiteral("Esta Informação Já Foi Restaurada!");

// Restores one record: refused kinds give their message and write nothing;
// otherwise, in one transaction, the record is restored and
// "Restaurou Informação -> (<key column>-<key>)" is logged. A record that is
// no longer deleted (restored meanwhile on another workstation) writes
// nothing and gives NaoEncontrado. A restored user is copied again into the
// companion point of sale.
ResultadoRestauro restaurar(Tipo tipo, qint64 chave);

} // namespace Lixeira

class TFrmAnulacoes : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAnulacoes(QWidget *parent = nullptr);

    QLabel *imgCabecalho; // the main window's header picture
    QGroupBox *pnlTipos;
    QList<QRadioButton *> rbTipos; // in the order of Lixeira::Tipo
    TelaLista *lista;
    QTableView *dbgAnulado;
    QPushButton *btnSair;

    // The chosen kind; false before any choice.
    bool escolhido() const { return m_escolhido; }
    Lixeira::Tipo tipoAtual() const { return m_tipo; }
    void escolher(Lixeira::Tipo tipo);

public slots:
    void dbgAnuladoDblClick();
    void btnSairClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    bool m_escolhido = false;
    Lixeira::Tipo m_tipo = Lixeira::Tipo::Clientes;
};

extern TFrmAnulacoes *FrmAnulacoes;

// Opens the recycle bin (ribbon "Lixeira").
void abrirAnulacoes();
