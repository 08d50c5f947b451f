#pragma once
// Corrections of a stay made from the stay list: another room, another daily
// rate, the guests, the nights already charged, the payment of a closed stay
// redistributed over the means, the cancellation of an open stay, the manual
// invoice flag and the responsible customer.
//
// Each correction is one transaction on the given connection, with its log
// rows; nothing is shown from here: the result carries the message the screen
// shows after the commit. Every write is conditional on the stay as the
// screen read it when the panel opened (Estadia): when another workstation
// changed the stay meanwhile nothing is written and the result says so
// (kMsgEntradaMudou), so two workstations correcting the same stay at the
// same moment either both land whole or the second is told.
#include "base/Dinheiro.h"
#include "base/Mensagem.h"
#include "finance/ControleCaixa.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>
#include <array>
#include <optional>

class ConexaoBanco;

namespace Correcoes {

// ---------------------------------------------------------------- texts

inline const QString kMsgSelecioneUH = QStringLiteral("Selecione a Nova UH!");
inline const QString kMsgInformeMotivoUH = QStringLiteral("Informe o Motivo da Alteração!");
inline const QString kMsgUHAlterada = QStringLiteral("UH Alterada com Sucesso!");
inline const QString kMsgLimiteDesconto = QStringLiteral("Valor da Diária Não Permitido - Limite de Desconto Excedido");
inline const QString kMsgDiariaMaior = QStringLiteral("Valor da Diária Maior que o Tabelado Não é Permitido");
inline const QString kMsgDiariaAlterada = QStringLiteral("Valor da Diária Alterado com Sucesso!");
inline const QString kMsgDiariaIncluida = QStringLiteral("Diária Incluída com Sucesso!");
inline const QString kMsgPerguntaExcluirDiaria = QStringLiteral("Deseja Realmente Excluir essa Diária?");
inline const QString kMsgDiariaExcluida = QStringLiteral("Diária Excluida com Sucesso!");
inline const QString kMsgTempoForma = QStringLiteral("Tempo Limite para Correção da Forma de Pagamento Expirado!");
inline const QString kMsgFormaNota =
    QStringLiteral("Essa Alteração não poderá ser Realizada, Existe forma de Pagamento em Nota!");
inline const QString kMsgValorDiferente = QStringLiteral("Valor Informado Diferente do Valor da Estadia!");
inline const QString kMsgValoresAlterados = QStringLiteral("Valores alterados com Sucesso!");
inline const QString kMsgTempoExcluir = QStringLiteral("Tempo Limite para Cancelamento da Entrada Expirado!");
inline const QString kMsgPerguntaExcluir = QStringLiteral("Deseja Realmente Excluir essa Entrada de Hóspede?");
inline const QString kMsgInformeMotivoCancelamento = QStringLiteral("Informe o Motivo do Cancelamento!");
inline const QString kMsgEntradaExcluida = QStringLiteral("Entrada de Hóspede Excluída com Sucesso!");
inline const QString kMsgPerguntaNF = QStringLiteral("Deseja Registrar a Emissão da Nota Fiscal Manual?");
inline const QString kMsgClienteSoAberta =
    QStringLiteral("Só é possivel altera cliente responsável, se a entrada ainda estiver em aberto!");
inline const QString kMsgSelecioneCliente = QStringLiteral("Selecione o Novo Cliente!");
inline const QString kMsgClienteRestricao = QStringLiteral("Cliente com Restrição!");
inline const QString kMsgClienteNegativacao = QStringLiteral("Cliente com Negativação!");
inline const QString kMsgClienteAlterado = QStringLiteral("Cliente Responsável Alterado com Sucesso!");

// Refusals of bad input and of a stay changed elsewhere.
inline const QString kMsgEntradaMudou =
    QStringLiteral("Esta entrada foi alterada em outra estação. A lista será atualizada.");
inline const QString kMsgValorInvalido = QStringLiteral("Valor Inválido!");
inline const QString kMsgDataForaEstadia =
    QStringLiteral("A Data da Diária deve estar entre a Data de Chegada e a Data de Saída da Entrada!");
inline const QString kMsgDiariaMudou =
    QStringLiteral("Esta diária foi alterada em outra estação. A lista será atualizada.");
inline const QString kMsgSemHospedes = QStringLiteral("Informe ao Menos um Hóspede!");
inline const QString kMsgSemDireito = QStringLiteral("Usuário sem Permissão para essa Operação!");

// ---------------------------------------------------------------- the stay read

// The stay as the screen read it when a correction's panel opened.
struct Estadia {
    qint64 id = 0;
    qint64 idUH = 0;
    QString numeroUH;
    qint64 idTipoUH = 0;
    qint64 idCliente = 0;
    QString cliente;
    Dinheiro valorMinCliente;
    QDate dataEntrada, dataSaida;
    QTime horaEntrada, horaSaida;
    int pessoas = 0;
    Dinheiro diaria;
    QString baixa, excluido, nf;
    // Amounts received, per means in the order of MeioCaixa (NOTA last).
    std::array<Dinheiro, kMeiosCaixa> pagos{};

    bool aberta() const { return baixa == QLatin1String("N") && excluido == QLatin1String("N"); }
    bool fechada() const { return baixa == QLatin1String("S") && excluido == QLatin1String("N"); }
    // The seven means a redistribution moves (all but A Prazo).
    Dinheiro totalPago() const;
};

// Reads the stay; nullopt when it no longer exists.
std::optional<Estadia> ler(ConexaoBanco &c, qint64 idEntrada);

enum class Foco { Nenhum, NovaUH, Motivo, Valor, Data, Cliente, Hospedes };

// What the screen shows after a correction (also after a refusal, when
// nothing was written). `mudou`: the stay or the night changed elsewhere:
// the screen reloads what it shows.
struct Resultado {
    bool feito = false;
    QString mensagem;
    Mensagem::Tipo tipo = Mensagem::Tipo::Informacao;
    Foco foco = Foco::Nenhum;
    bool mudou = false;
    void mostrar() const;
};

// ---------------------------------------------------------------- room

// Moves the open stay to a free room: the stay's room, its room items and
// minibar contents rebuilt from the new room's standards (the type's items,
// the room's own items, the type's minibar products), the new room occupied
// only while it is still free ("UPDATE UH ... AND SITUACAO = 'L'"), the old
// room put into maintenance with the reason; the two log rows.
// `textoNovaUH`: the selector's text for the log ("102 / LX").
Resultado alterarUH(ConexaoBanco &c, const Estadia &e, qint64 novaUH, const QString &textoNovaUH,
                    const QString &motivo);

// ---------------------------------------------------------------- rate

// The table rate of the stay's room type for `pessoas` and its floor (both
// zero above four persons).
struct Tabela {
    Dinheiro padrao;
    Dinheiro minimo;
};
Tabela tabelaDiaria(ConexaoBanco &c, qint64 idUH, int pessoas);

// The limits a user without MOVIMENTOS must respect, in the order they are
// tested: the type's floor and the discount limit (LIMITE_DESCONTO percent),
// the customer's minimum rate, the table rate as ceiling when DIARIA_MAIOR is
// "N". The refusal's message, or nothing.
struct Limites {
    bool movimentos = false;
    Dinheiro limiteDesconto; // percent, two decimals (10,00 = 10%)
    QString diariaMaior;     // the setting DIARIA_MAIOR
};
Limites limitesDaSessao();
std::optional<QString> verificarLimites(Dinheiro novo, const Tabela &t, Dinheiro valorMinCliente,
                                        const Limites &l);

// One guest of the guest panel: a stored one (id > 0) or one added in the
// panel (id 0, stored without a key of ours).
struct Hospede {
    qint64 id = 0;
    QString nome;
};

// The new daily rate of an open stay. With the guest panel open (`hospedes`
// given) the guest rows are written as the panel holds them (removed ones
// deleted, stored ones renamed, added ones inserted), the persons become their
// number and the guest count is logged before the rate. On the arrival day
// every night posted so far takes the new rate and persons.
Resultado alterarDiaria(ConexaoBanco &c, const Estadia &e, const QString &novoTexto, const Tabela &t,
                        const Limites &l, const std::optional<QList<Hospede>> &hospedes, const QDate &hoje);

// ---------------------------------------------------------------- guests

// The stored guests of a stay, by name.
QList<Hospede> hospedes(ConexaoBanco &c, qint64 idEntrada);
// Renames one stored guest at once ("Alterar Nome").
Resultado renomearHospede(ConexaoBanco &c, const Estadia &e, qint64 idHospede, const QString &nome);
// The guest panel's confirm when the number of persons stays: the guests as
// the panel holds them, in one transaction. (A new number opens the rate
// panel instead, whose confirmation writes everything.)
Resultado gravarHospedes(ConexaoBanco &c, const Estadia &e, const QList<Hospede> &hs);

// ---------------------------------------------------------------- nights

struct Noite {
    qint64 id = 0;
    QDate data;
    Dinheiro valor;
    int qtd = 0;
};
QList<Noite> noites(ConexaoBanco &c, qint64 idEntrada);

// "Alterar": one night's value; `antes` is the log's before text (the
// panel's "Data da Diária" and "Valor Atual" captions).
Resultado alterarNoite(ConexaoBanco &c, const Estadia &e, const Noite &n, const QString &novoTexto,
                       const QString &antes, bool movimentos);
// "Incluir Diária": a night dated inside the stay (arrival up to the later of
// the departure and today), at the stay's persons.
Resultado incluirNoite(ConexaoBanco &c, const Estadia &e, const QDate &data, const QString &valorTexto,
                       const QDate &hoje);
// "Excluir Diária" (after the question).
Resultado excluirNoite(ConexaoBanco &c, const Estadia &e, const Noite &n, bool movimentos);

// ---------------------------------------------------------------- payment

// Whether the payment of a closed stay may be corrected now: a user without
// MOVIMENTOS only before departure + TEMPO_ALTERAR_FORMA; nobody when part of
// it was left on account. The refusal's message, or nothing.
std::optional<QString> podeAlterarForma(const Estadia &e, bool movimentos, const QDateTime &agora,
                                        const QTime &tempo);
// The seven new amounts (Dinheiro .. Pix / Chq, as typed) must add up to the
// amounts received; the old amounts leave the open shift and the stay, the
// new ones come in. A refusal of the register changes nothing.
Resultado alterarForma(ConexaoBanco &c, const Estadia &e, const std::array<QString, 7> &novos);

// ---------------------------------------------------------------- cancellation

// A user without MOVIMENTOS may cancel only before arrival + TEMPO_EXCLUIR.
std::optional<QString> podeCancelar(const Estadia &e, bool movimentos, const QDateTime &agora, const QTime &tempo);
// Cancels an open stay with a reason: the stay marked cancelled (only while
// it is still open, so a retry never runs twice), the stock of bought-in
// products consumed given back, guests and vehicles closed, the room given its
// state without the stay (while still occupied), the amounts received (all
// but A Prazo) taken out of the open shift and the stay, the log row. A
// refusal of the register undoes it all.
Resultado cancelar(ConexaoBanco &c, const Estadia &e, const QString &motivo);

// ---------------------------------------------------------------- invoice flag

// "N" becomes "S"; "S" (or an empty flag) becomes "N".
Resultado alternarNF(ConexaoBanco &c, const Estadia &e);

// ---------------------------------------------------------------- customer

std::optional<QString> podeAlterarCliente(const Estadia &e);
// Another responsible customer for an open stay; a restricted ("R") or
// blacklisted ("S") customer is refused, read at confirm time.
Resultado alterarCliente(ConexaoBanco &c, const Estadia &e, qint64 idCliente, const QString &textoSeletor);

// A time of day used as a duration ("00:30:00" = thirty minutes), added to a
// full date-time: the limit crosses midnight without wrapping.
QDateTime limite(const QDate &data, const QTime &hora, const QTime &duracao);

} // namespace Correcoes
