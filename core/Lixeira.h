#pragma once
// The recycle bin, the rules: the deleted records of eight kinds and the
// restoring of five (EXCLUIDO back to "N", or a row of the deletion register
// removed).
#include "base/TelaLista.h"
#include <QList>

class ConexaoBanco;

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
ResultadoRestauro restaurar(ConexaoBanco &conexao, Tipo tipo, qint64 chave);

} // namespace Lixeira
