#pragma once
// The confirmation of the stay form: the checks of a check-in, in the order
// the front desk expects them, and the writes of a new stay (one transaction:
// the reservation confirmed, the room occupied, the stay with its key from the
// generator, its guests, vehicles, consumption, room items and minibar, the
// first night and the log) or of an altered one.
//
// The form keeps the children of a new stay in memory and hands them over
// here; they are written under the key the stay receives.
#include "base/Dinheiro.h"
#include "stays/CalculoEstadia.h"
#include "stays/Consumo.h"
#include "stays/Estadias.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <functional>
#include <optional>

class ConexaoBanco;

namespace Entrada {

// The control a refusal sends the focus to.
enum class Campo { Nenhum, Cliente, UH, Pessoas, Diaria, IncluirHospede, Saida };

struct Recusa {
    QString mensagem;
    Campo foco = Campo::Nenhum;
    bool erro = true; // an error box; false: a plain message box
};

using Veiculo = Estadias::Veiculo;
using ItemQuarto = Estadias::ItemQtd;
using ItemFrigobar = Estadias::ProdutoQtd;

// What the form holds when "Confirmar" is pressed.
struct Dados {
    qint64 idEntrada = 0;        // the stay's key: reserved from the generator when the form
                                 // opened a new stay (0: taken on insert), or the stay altered
    qint64 reserva = 0;          // 0 = none chosen
    qint64 reservaGravada = 0;   // alter: the stay's stored reservation
    bool existente = false;      // alter: the guests are the stored ones, the customer among them
    qint64 cliente = 0;
    QString nomeCliente;         // log lines; the guest when none is responsible
    qint64 uh = 0;
    QString numeroUH;            // log lines
    qint64 tipoUH = 0;
    QString pessoas;             // as typed
    QDate dataEntrada;
    QTime horaEntrada;
    QDate dataSaida;
    QTime horaSaida;
    QString diaria;              // as typed, "#,##0.00"
    QString obs;
    Dinheiro valorDiariaPadrao;  // the room type's rate for the persons (reference of the limits)
    Dinheiro valorMin;           // the room type's floor for the persons
    Dinheiro valorMinCliente;    // CLIENTE.VALOR_MIN, 0 = none

    // Held by the form until the stay exists (new stay only).
    QStringList hospedes;        // "=" first marks the responsible guest
    QList<Veiculo> veiculos;
    QList<Consumo::LinhaNova> consumo;
    QList<ItemQuarto> itens;
    QList<ItemFrigobar> frigobar;
};

// The settings the checks read (PARAMETROS) and the user's right.
struct Regras {
    bool movimentos = false;          // the user passes the rate limits and the policy
    bool travarHospedes = false;      // TRAVAR_HOSPEDES "S"
    Dinheiro limiteDesconto;          // LIMITE_DESCONTO, percent with two decimals
    bool diariaMaior = true;          // DIARIA_MAIOR not "N": a rate above the table passes
    Dinheiro percentualPolitica;      // PERCENTUAL_POLITICA_INDIVIDUAL
    QTime inicioPolitica;
    QTime terminoPolitica;
    bool politicaDia[8] = {};         // index 1 = Monday .. 7 = Sunday
    bool motel = false;

    // The settings row and the logged user's right.
    static Regras atuais();
};

// Messages of the checks and the saves.
namespace Textos {
inline const QString Choque = QStringLiteral(
    "Entrada não pode ser realizada nessa UH, Possui uma Reserva que se choca com esta data de Saída!");
inline const QString ClienteInvalido = QStringLiteral("Cliente Inválido!");
inline const QString UHInvalida = QStringLiteral("Unidade Habitacional (UH) Inválida!");
inline const QString PessoasInvalidas = QStringLiteral("Número de Hóspedes Inválido!");
inline const QString DiariaInvalida = QStringLiteral("Valor das Diárias Inválido!");
inline const QString UmResponsavel = QStringLiteral("Informe apenas um Hóspede Responsável!");
inline const QString HospedesIncorretos = QStringLiteral("Informe os Hóspedes Corretamente!");
inline const QString LimiteDesconto = QStringLiteral("Valor da Diária Não Permitido - Limite de Desconto Excedido");
inline const QString AcimaTabela = QStringLiteral("Valor da Diária Maior que o Tabelado Não é Permitido");
inline const QString Politica = QStringLiteral("Impossível realizar esta entrada com essas condições, isso infringe "
                                               "a política de ocupação, consulte a gerência!");
inline const QString SaidaAntesChegada = QStringLiteral("Data de Entrada Maior que Data de Saída");
inline const QString PerguntaExtrato =
    QStringLiteral("Entrada de Hóspede Cadastrada com Sucesso! Deseja Imprimir o Extrato de Entrada?");
inline const QString Atualizada = QStringLiteral("Entrada de Hóspede Atualizada com Sucesso!");
} // namespace Textos

// The room could not be occupied: another workstation took it (or put it
// into maintenance) after the form listed it.
QString textoUHIndisponivel(const QString &numero);
// The chosen reservation was confirmed or deleted on another workstation.
QString textoReservaIndisponivel();

// The persons as a number (0 when not a whole number).
int numeroPessoas(const QString &texto);

// ---------------------------------------------------------------- the checks

// Steps with no database: the fields and the guests (a guest whose name
// begins with "=" is the responsible one), then the rate limits.
std::optional<Recusa> verificarCampos(const Dados &d, const Regras &r);
std::optional<Recusa> verificarLimites(const Dados &d, const Regras &r);

// A reservation of the room on any day from arrival to departure (only when
// no reservation is chosen).
std::optional<Recusa> verificarChoque(ConexaoBanco &conexao, const Dados &d);

// Free rooms of another type priced for exactly this party.
struct Alternativa {
    qint64 uh = 0;
    QString numero;
    QString tipo;
    QString descricao;
};
QList<Alternativa> alternativas(ConexaoBanco &conexao, const Dados &d);
QString perguntaAlternativas(const QList<Alternativa> &lista, const QString &numeroEscolhido);

// The single-occupancy policy: whether `agora` falls in the window (a window
// whose start is after its end runs across midnight) on a weekday it covers,
// and the share of single-person stays has reached its limit.
bool politicaAplica(const Regras &r, const QDateTime &agora);
int limitePolitica(const Regras &r, int quartos);
std::optional<Recusa> verificarPolitica(ConexaoBanco &conexao, const Dados &d, const Regras &r, const QDateTime &agora);

// The whole chain in order. `perguntar` asks the clerk (Yes/No) about the
// alternative rooms; No abandons the check-in (abandonada).
struct Verificacao {
    std::optional<Recusa> recusa;
    bool abandonada = false;
    bool ok() const { return !recusa && !abandonada; }
};
Verificacao verificar(ConexaoBanco &conexao, const Dados &d, const Regras &r, const QDateTime &agora,
                      const std::function<bool(const QString &)> &perguntar);

// ---------------------------------------------------------------- the saves

struct Gravacao {
    qint64 idEntrada = 0;
    std::optional<Recusa> recusa; // nothing was written
};

// A new stay, all or nothing. `usuario`: the login written as USUARIO_ENTRADA.
Gravacao incluir(ConexaoBanco &conexao, const Dados &d, const QString &usuario, const QDate &hoje);

// Rewrites an existing stay's main columns and logs it.
Gravacao alterar(ConexaoBanco &conexao, const Dados &d);

// What the checks read of the database before a confirmation: the stay's
// guests as stored, after those held (an existing stay: `existente`, by
// `idEntrada`) and the
// customer's agreed floor (CLIENTE.VALOR_MIN, zero without a customer).
void lerGravados(ConexaoBanco &c, Dados &d);

// The stay's observation alone (cut to its 250 characters).
void gravarObservacao(ConexaoBanco &c, qint64 idEntrada, const QString &obs);

// ---------------------------------------------------------------- a stored stay's guests and vehicles

// Each is one transaction with its log line ("... -> Código <stay> (...)").
// Names are stored in capitals, cut to their columns. A removal touches only
// a row of that stay; false (and no log line) when there was none.
void incluirHospede(ConexaoBanco &c, qint64 idEntrada, const QString &nome, const QString &numeroUH);
bool excluirHospede(ConexaoBanco &c, qint64 idEntrada, qint64 idHospede, const QString &nome,
                    const QString &numeroUH);
void incluirVeiculo(ConexaoBanco &c, qint64 idEntrada, const Veiculo &v);
bool excluirVeiculo(ConexaoBanco &c, qint64 idEntrada, qint64 idVeiculo, const Veiculo &v);

} // namespace Entrada
