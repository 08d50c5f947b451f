#pragma once
// The cash-register shifts (CAIXA) and the money taken out of or put into the
// open shift outside any sale (RET_CAIXA, ADIC_CAIXA), as rules the screens
// call: opening, the status line, closing and the end of the workstation,
// deletion, the balance detail and the withdrawals and additions.
//
// At most one shift is open: the database holds that (a unique index on the
// open state), so two workstations opening at the same moment get one shift.
// A shift's balances carry over to the next one as they are stored; the
// closing total is computed by the closing statement from the row itself.
#include "base/Dinheiro.h"
#include "base/Mensagem.h"
#include "finance/ControleCaixa.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <array>
#include <functional>
#include <optional>

class ConexaoBanco;
class ErroBanco;
class Linha;

namespace Caixa {

// ---------------------------------------------------------------- texts

inline const QString kMsgCaixaJaAberto = QStringLiteral("Primeiro Finalize o Caixa que se Encontra Aberto em Outra Data!");
inline const QString kMsgDataInvalida = QStringLiteral("Data de Abertura Inválida!");
inline const QString kMsgCaixaAberto = QStringLiteral("Caixa Aberto com Sucesso!");
inline const QString kMsgConfirmaFechamento = QStringLiteral("Deseja Realmente Fechar Este Turno de Caixa?");
inline const QString kMsgCaixaFechado = QStringLiteral("Caixa Fechado com Sucesso! O Sistema será agora Finalizado!");
// The shift was closed meanwhile by another workstation: nothing was closed here.
inline const QString kMsgJaFechado =
    QStringLiteral("Este Turno de Caixa já foi Fechado em Outra Máquina! Nenhum Caixa foi Fechado por esta Máquina.");
inline const QString kMsgConfirmaExclusao = QStringLiteral("Deseja Realmente Excluir essa Movimentação?");
inline const QString kMsgPendencias = QStringLiteral("Impossível Excluir essa Movimentação, Existem Pendências!");
inline const QString kMsgExcluido = QStringLiteral("Movimentação Excluída com Sucesso!");
inline const QString kMsgExcluirAberto =
    QStringLiteral("Impossível Excluir o Caixa que se Encontra Aberto! Registre o seu Fechamento.");
inline const QString kMsgExcluirUltimo = QStringLiteral(
    "Impossível Excluir o Último Caixa Fechado: os seus Saldos são os Saldos de Abertura do Próximo Turno!");
inline const QString kMsgRetirada = QStringLiteral("Retirada Realizada com Sucesso!");
inline const QString kMsgReposicao = QStringLiteral("Reposição Realizada com Sucesso!");
inline const QString kMsgMotivo = QStringLiteral("Informe o Motivo da Operação para Controle!");
inline const QString kMsgInformeValor = QStringLiteral("Informe o Valor da Operação!");
inline const QString kMsgValorNegativo =
    QStringLiteral("Valor Inválido! Informe o Valor sem Sinal: a Operação (Adicionar ou Retirar) já Indica o Sentido.");
inline const QString kMsgValorInvalido = QStringLiteral("Valor Inválido! Informe o Valor em Reais, como 1.234,56.");

// "Impossível Fechar o Caixa por esta Máquina! ... (" + the stored address + ")"
QString mensagemOutraMaquina(const QString &ipAbertura);

// ---------------------------------------------------------------- balances

// The eight balances of a shift, by means (MeioCaixa).
struct Saldos {
    std::array<Dinheiro, kMeiosCaixa> valores{};
    Dinheiro &operator[](MeioCaixa m) { return valores[std::size_t(m)]; }
    Dinheiro operator[](MeioCaixa m) const { return valores[std::size_t(m)]; }
    // The grand total (the eight balances).
    Dinheiro total() const;
    // Visa and Mastercard credit and debit, and Hipercard.
    Dinheiro cartoes() const;
    // The balance columns of a CAIXA row (ATUAL, ATUAL_CARTAO, ...).
    static Saldos de(const Linha &linha);
};

// One CAIXA row.
struct Turno {
    qint64 id = 0;
    QDate dataAbertura;
    QTime horaAbertura;
    int numero = 0; // TURNO
    QString usuario;
    Saldos saldos;
    Dinheiro valorAbertura;
    QString ip;
    QDate dataFechamento; // invalid while open
    QTime horaFechamento;
    Dinheiro valorFechamento;
    bool aberto() const { return !dataFechamento.isValid(); }
    static Turno de(const Linha &linha);
};

std::optional<Turno> lerTurno(ConexaoBanco &conexao, qint64 id);
// The newest shift (highest key), open or closed.
std::optional<Turno> ultimoTurno(ConexaoBanco &conexao);
bool existeTurnoAberto(ConexaoBanco &conexao);

// ---------------------------------------------------------------- status line

// The labels of the shift list, from the newest shift: open, its eight
// balances and their sum; closed, its closing total and its stored balances;
// no shift, zeros.
struct Status {
    Dinheiro total;
    Saldos saldos;
    QString textoTotal() const;                 // "Saldo Atual do Caixa  -  R$ 1.234,56"
    QString textoCartoes() const;               // "Total em Cartões  -  R$ ..."
    QString textoMeio(MeioCaixa meio) const;    // "Crédito - Visa  -  R$ ..."
};
Status status(ConexaoBanco &conexao);

// ---------------------------------------------------------------- opening

// The balances a new shift opens with: those of the newest shift as stored
// (zeros when there is none).
Saldos saldosDeAbertura(ConexaoBanco &conexao);
// The number of a new shift opened on `data`: one more than the highest of
// the closed shifts opened that day, 1 when there is none.
int proximoTurno(ConexaoBanco &conexao, const QDate &data);

// The opening statements on one connection, in its transaction: the carried
// balances, the number of the day and the row. Returns the new key. Another
// open shift makes the database refuse the row (ErroBanco, see
// recusaPorTurnoAberto), also when it was opened by a transaction not yet
// committed at that moment.
qint64 inserirTurno(ConexaoBanco &conexao, const QDate &data, const QTime &hora, const QString &usuario,
                    const QString &ip);
// The database refused a second open shift.
bool recusaPorTurnoAberto(const ErroBanco &erro);

struct Abertura {
    bool aberto = false;
    qint64 id = 0;
    QString mensagem;        // success or refusal (information box)
    bool focoData = false;   // the refusal is about the date
};
// "Confirmar" of a new shift: the date must be today; no shift may be open;
// the row and its log line "Registrou Abertura do Caixa" in one transaction.
Abertura abrir(ConexaoBanco &conexao, const QDate &data, const QString &ip);

// ---------------------------------------------------------------- closing

struct Fechamento {
    enum class Situacao { Fechado, OutraMaquina, JaFechado };
    Situacao situacao = Situacao::JaFechado;
    qint64 id = 0;
    QString mensagem; // the refusal; empty when closed
};
// Closes the open shift from the workstation at `ip`: refused when the shift
// was opened at another address and FECHAR_CAIXA_OUTRO_PC is not "N"; the
// closing date, time and total (computed from the row's balances by the
// statement) are written by key while the row is still open, and
// "Registrou Fechamento do Caixa" is logged in the same transaction. A shift
// closed meanwhile elsewhere is reported, never logged as closed here.
Fechamento fechar(ConexaoBanco &conexao, const QString &ip);

// What follows a closing on this workstation (after its message): "Saiu do
// Sistema" is logged; an ordinary workstation removes its presence row here;
// the server workstation asks for the automatic backup, which the caller runs
// (RealizarBackup "S" and the backup screen) before removing the presence
// row. Then the caller ends the program through encerrarPrograma.
struct Finalizacao {
    bool backup = false;
};
Finalizacao finalizarEstacao();
// Ends the program (the main window's end). Tests replace it.
extern std::function<void()> encerrarPrograma;

// ---------------------------------------------------------------- deletion

struct Exclusao {
    bool excluido = false;
    QString mensagem;
};
// Deletes a closed shift and logs "Excluiu Movimentação do Caixa -> Código "
// + key. Refused for the open shift, for the newest shift (its balances open
// the next one) and when VENDA has rows on the shift's opening date.
Exclusao excluir(ConexaoBanco &conexao, qint64 id);

// ---------------------------------------------------------------- detail

// The balance detail of a shift: opening (the previous shift, the highest key
// below it), current or closing, and the differences; lines end with "\n".
QString detalhe(ConexaoBanco &conexao, qint64 id);

// ---------------------------------------------------------------- withdrawals and additions

enum class Operacao { Adicionar, Retirar };

// An amount typed on screen: "1.234,56", "1234,56", "1234", "R$ 10,00". A
// negative, empty, zero, ill-formed amount or one with more than two decimals
// gives no value and the message to show.
struct LeituraValor {
    std::optional<Dinheiro> valor;
    QString mensagem;
};
LeituraValor lerValor(const QString &texto);

struct Aviso {
    Mensagem::Tipo tipo;
    QString texto;
};

struct ResultadoOperacao {
    enum class Foco { Nenhum, Valor, Observacoes };
    bool feito = false;
    QList<Aviso> avisos; // to show in order, after the commit
    Foco foco = Foco::Nenhum;
};

// One withdrawal or addition of `meio` with its reason: the amount is read
// and checked first; then the balance change (a withdrawal only while the
// balance covers it), the RET_CAIXA / ADIC_CAIXA row and the log line run in
// one transaction, all or nothing.
ResultadoOperacao operar(ConexaoBanco &conexao, Operacao operacao, MeioCaixa meio, const QString &valor, const QString &observacoes);

// The width of the reason (RET_CAIXA.DESCRICAO, ADIC_CAIXA.DESCRICAO).
constexpr int kTamanhoObservacoes = 300;

} // namespace Caixa
