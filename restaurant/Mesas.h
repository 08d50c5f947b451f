#pragma once
// The restaurant board's rules, without widgets: the tables (or consumption
// cards) with their state, opening a table for an attendant, moving an
// opening to a free table or merging it into an occupied one, cancelling an
// opening without orders, the kitchen queue and the attendants.
//
// Several terminals show the board at once. Every write locks the tables it
// changes and checks them against what the terminal showed, in the same
// transaction: when another terminal got there first nothing is written and
// the terminal is told.
#include "base/UnitDM.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace Mesas {

// The words of the two settings of the board: tables ("Mesas") or
// consumption cards ("Cartões", MODO_CARTAO "S").
struct Textos {
    bool cartao = false;
    QString legenda;        // window caption
    QString titulo;         // "Mesas" / "Cartões"
    QString rotuloNumero;   // "Mesa:" / "Cartão:"
    QString novo;           // "Nova Mesa" / "Novo Cartão"
    QString alterar;        // "Alterar Mesa" / "Alterar Cartão"
    QString menuAbrir, menuTransferir, menuFecharConta, menuCancelar;
    QString marcador;       // "(MESA " / "(CARTAO ": in front of moved notes
    QString cozinha;        // "MESA " / "CARD ": kitchen header
    QString nomeAutomatico; // "MESA " / "CARTAO ": names of created tables
    QString palavra;        // "Mesa" / "Cartão", in the refusals

    static Textos de(bool cartao);
    // From the settings row (MODO_CARTAO).
    static Textos atuais();
};

// Card colours, 24-bit BGR numbers.
constexpr quint32 kCorLivre = 9699219;
constexpr quint32 kCorOcupada = 8716272;
constexpr quint32 kCorOcupadaLegenda = 327648; // legend, and a selected occupied card
constexpr quint32 kCorAguardando = 158713;

inline const QString kAtendentePadrao = QStringLiteral("000.000.000-00");
inline const QString kClientePadrao = QStringLiteral("CLIENTE ESPECIAL");
inline const QString kLivre = QStringLiteral("LIVRE");

inline const QString kMsgFuncionarioInexistente = QStringLiteral("Não Existe Funcionário com esse Código!");
inline const QString kMsgSenhaIncorreta = QStringLiteral("Senha Incorreta!");
inline const QString kMsgInformeAtendente = QStringLiteral("Informe o Atendente!");
inline const QString kTituloAcesso = QStringLiteral("Acesso Mesa");
inline const QString kRotuloSenha = QStringLiteral("Informe a Senha do Atendente:");
inline const QString kMsgSelecioneNovo = QStringLiteral("Selecione o Novo!");
inline const QString kMsgCancelarComConsumo = QStringLiteral("Impossível Cancelar Com Consumo(s)!");
inline const QString kMsgDesejaCancelar = QStringLiteral("Deseja Realmente Cancelar?");
inline const QString kMsgCancelamentoEfetuado = QStringLiteral("Cancelamento Efetuado com Sucesso!");
inline const QString kMsgConcluirPedido = QStringLiteral("Confirma a conclusão deste pedido?");
inline const QString kMsgCancelarPedido = QStringLiteral("Confirma o Cancelamento deste pedido?");
inline const QString kAtualizando = QStringLiteral("Atualizando de 30 em 30 segundos");
inline const QString kAtualizacao = QStringLiteral("Atualização de 30 em 30 segundos");
inline const QString kAtualizacaoPausada = QStringLiteral("Atualização Pausada!");
inline const QString kPerguntaSair =
    QStringLiteral("Tem Certeza que deseja sair do modo \"Mesas\"?! AVISO: O SISTEMA SERÁ FINALIZADO!");
inline const QString kMsgEncerrado = QStringLiteral("Modo \"Mesas\" Encerrado! O Sistema será Finalizado!");

// The question of a merge into an occupied table.
QString perguntaJuntar(qint64 atual, qint64 novo);
// "(MESA 3) " + note, cut to the width of CONSUMO.OBS.
QString notaMovida(const Textos &t, qint64 mesaOrigem, const QString &nota);
constexpr int kTamanhoObs = 100;

// Refusals when another terminal changed the table first.
QString msgJaAberta(const Textos &t, qint64 mesa);
QString msgMesaMudou(const Textos &t, qint64 mesa);

// ---------------------------------------------------------------- tables

struct Mesa {
    qint64 id = 0;
    QString descricao;
    QString status;        // "L" free, "O" occupied
    QString cliente;       // as stored (CHAR(90), trailing blanks removed)
    qint64 idCheckIn = 0;  // 0: none
    QString aguardando;    // AGUARDANDO_PAG

    bool livre() const { return status == QLatin1String("L"); }
    bool ocupada() const { return status == QLatin1String("O"); }
    // The customer line of the card: "LIVRE" for a free table.
    QString linhaCliente() const { return livre() ? kLivre : cliente; }
    // Background of a card that is not selected; 0 for another state.
    quint32 cor() const;
};

// The board's two reads: every table, and the kitchen queue.
extern const QString kSqlMesas;
extern const QString kSqlFila;

// Every table, ordered by number.
QList<Mesa> lerMesas(ConexaoBanco &conexao);
std::optional<Mesa> lerMesa(ConexaoBanco &conexao, qint64 id);

// ---------------------------------------------------------------- attendants

struct Atendente {
    QString id;          // FUNCIONARIO.ID_FUNCIONARIO as text
    QString codigo;      // COD_FUNCIONARIO
    QString nome;
    QString nomeCracha;
    QString senha;       // SENHA_PREVENDA as stored
    // The badge name when there is one, else the name.
    QString exibicao() const { return nomeCracha.trimmed().isEmpty() ? nome : nomeCracha; }
    // "code / display name", as the list shows it.
    QString legenda() const { return codigo + QStringLiteral(" / ") + exibicao(); }
};

// The employed attendants, ordered by name.
QList<Atendente> lerAtendentes(ConexaoBanco &conexao);

// The attendant of a typed code: the code trimmed, read as a number and
// written with four digits ("7" -> "0007"); exactly one employed attendant
// must have it. Otherwise (also for a code that is not a number) nothing.
std::optional<Atendente> atendenteDoCodigo(ConexaoBanco &conexao, const QString &codigo);
// The code as it is looked up, or nothing when it is not a number.
std::optional<QString> codigoNormalizado(const QString &codigo);

// A typed password against the stored one: the answer in upper case must
// equal the stored password as it is.
bool senhaConfere(const QString &digitada, const QString &armazenada);

// The attendant of an opening (CHECK_IN.ID_FUNCIONARIO).
QString atendenteDaAbertura(ConexaoBanco &conexao, qint64 idCheckIn);

// ---------------------------------------------------------------- writes

struct Resultado {
    bool feito = false;
    QString mensagem;   // the refusal, when not done
    qint64 chave = 0;   // the opening written (abrir)
};

// Opens a free table: a CHECK_IN row now for the attendant, the table "O"
// with the customer and the new opening. When another terminal opened it
// first, nothing is written and the refusal says so.
Resultado abrir(ConexaoBanco &conexao, qint64 mesa, const QString &idAtendente, const QString &cliente, const QDateTime &agora);

// Moves the opening of table `atual` (as shown: occupied on `checkInAtual`)
// to table `novo` (as shown: free, or occupied on `checkInNovo`). A free
// target takes the opening and the customer; an occupied one takes the
// lines, each note with "(MESA n) " in front. The source is freed. Both
// tables are locked and checked first; a table changed by another terminal
// refuses the move and nothing is written.
Resultado transferir(ConexaoBanco &conexao, const Textos &t, const Mesa &atual, const Mesa &novo);

// Whether the opening of a table has order lines.
bool temConsumo(ConexaoBanco &conexao, qint64 idCheckIn);

// Frees a table whose opening has no lines, with the log line. Refused with
// "Impossível Cancelar Com Consumo(s)!" when a line was added meanwhile.
Resultado cancelar(ConexaoBanco &conexao, const Textos &t, const Mesa &mesa);

// ---------------------------------------------------------------- kitchen queue

struct Pedido {
    qint64 id = 0;            // ID_CONSUMO
    QString produto;
    QString mesa;             // DESCRICAO of the table holding the opening
    QString qtd;              // exact text of the quantity ("2", "0.456")
    QDate data;
    QTime hora;
    qint64 idProduto = 0;
    QString servico;
};

// The lines the kitchen has not finished, of products listed in the queue,
// oldest first, each once under the table that holds its opening now (an
// occupied one before a freed one that kept the key).
QList<Pedido> lerFila(ConexaoBanco &conexao);
// "FEIJOADA COMPLETA (2) - MESA 3 (00:15 min.)": the wait from the order's
// date and time to now, in hours and minutes.
QString linhaFila(const Pedido &p, const QDateTime &agora);
// The quantity as plain decimal text: no thousands dots, no trailing zeros.
QString qtdSimples(const QString &qtdSql);
// "0 Pedido(s)"
QString rodapeFila(int total);

void concluirPedido(ConexaoBanco &conexao, qint64 idConsumo);
void cancelarPedido(ConexaoBanco &conexao, qint64 idConsumo);

// ---------------------------------------------------------------- table records

inline const QString kMsgDescricaoInvalida = QStringLiteral("Descrição Inválida!");
inline const QString kMsgOperacaoEfetuada = QStringLiteral("Operação efetuada com Sucesso!");
inline const QString kMsgCadastradaOutra = QStringLiteral("Mesa Cadastrada com Sucesso! Deseja Cadastrar Outra?");
inline const QString kTituloGerar = QStringLiteral("Gerar Automaticamente");
inline const QString kRotuloQuantidade = QStringLiteral("Informe a Quantidade Desejada");
inline const QString kMsgQuantidadeCriacao =
    QStringLiteral("Quantidade Inválida! Informe um número inteiro de no máximo 5 dígitos.");
constexpr int kTamanhoDescricao = 90;

// The number a new table will get: the generator's value plus one.
qint64 proximoNumero(ConexaoBanco &conexao);
// A new table with its description (the database gives the key).
Resultado incluirMesa(ConexaoBanco &conexao, const QString &descricao);
// A table's new description.
Resultado alterarMesa(ConexaoBanco &conexao, qint64 id, const QString &descricao);

// Creates `quantidade` tables in one transaction, numbered on from the
// highest table, each named after its own key ("MESA 8", card mode
// "CARTAO 8"). A text that is not a whole number of at most five digits is
// refused; zero or less creates nothing and is no error.
struct Criacao {
    bool feito = false;
    QString mensagem;
    QList<qint64> criadas;
};
Criacao criarMesas(ConexaoBanco &conexao, const Textos &t, const QString &quantidade);

} // namespace Mesas
