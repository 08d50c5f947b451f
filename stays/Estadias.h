#pragma once
// Rules of the stay list and of the stay form that need no widgets: the
// list's statements and its status colours, the layout of each list mode,
// the buttons a row's state enables, the form's titles and status lines, the
// reservation offered for arrival, the standard items a room brings and the
// child rows of a new stay, held in memory until the check-in is confirmed.
#include "base/Dinheiro.h"
#include "base/UnitDM.h"

#include <QColor>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

namespace Estadias {

// ---------------------------------------------------------------- the stay's row

// Every write to a stay's money, nights or lines begins here, inside its
// transaction: locks the stay's row and tells whether the stay is still open
// (not closed, not cancelled). A check-out, posting or payment under way on
// another workstation is waited for; when it commits, this transaction meets
// an update conflict and the whole operation runs again, now finding the
// stay as that workstation left it.
bool travarAberta(ConexaoBanco &c, qint64 idEntrada);

// ---------------------------------------------------------------- list

// "Fechada", "Em Aberto", "Cancelada", or "" for any other combination.
QString status(const QString &baixa, const QString &excluido);
// The row colour of a status; nullopt keeps the grid's own colours.
std::optional<QColor> corStatus(const QString &status);

struct Consulta {
    QString sql;
    Valores valores;
};

// The columns every list statement reads (the list declares these fields).
extern const char *const kColunasLista;

enum class OrdemLista { Codigo, DataChegada };
// The list as it opens; `somenteAbertas` keeps the movement modes on open stays.
Consulta consultaLista(bool somenteAbertas, OrdemLista ordem = OrdemLista::Codigo);
// One customer's stays (cliente 0: every stay).
Consulta consultaHistorico(qint64 cliente, bool somenteAbertas);

enum class CriterioFiltro { Codigo, Cliente, UH, DataEntrada };
// The filter panel's statement; an unreadable text gives nullopt and the
// message to show in `erro`. An empty text (and no customer) lists all.
std::optional<Consulta> consultaFiltro(CriterioFiltro criterio, const QString &texto, qint64 cliente,
                                       bool somenteAbertas, QString *erro);
extern const char *const kMsgCodigoInvalido;
extern const char *const kMsgDataInvalida;

// What the list shows in each mode.
struct LayoutLista {
    QString titulo;
    bool novaEntrada = false, alterarEntrada = false, filtros = true, excluir = true;
    bool despesas = false, itens = false, alterarUH = false, alterarHospedes = false;
    bool despesasAvulsas = false, alterarDiaria = false;
    bool formaPag = true, diariasCobradas = true, emissaoNF = true;
    bool menuF2 = false, menuInsert = false, menuF3 = true, menuDelete = true;
    bool somenteAbertas = false;
    bool historico = false;
    QStringList colunasOcultas; // grid titles hidden
};
// `restaurante`: a "RESTA" workstation whose user lacks ACESSO_TOTAL.
LayoutLista layoutLista(const QString &op, bool restaurante, bool alteraDiaria, bool movimentos);

// Buttons a row's state sets; nullopt leaves a button as it is.
struct EstadoLinha {
    std::optional<bool> excluir, formaPag, diariasCobradas, motivo;
};
EstadoLinha estadoLinha(const QString &baixa, const QString &excluido);

// ---------------------------------------------------------------- form

struct ModoFormulario {
    QString titulo;
    QString status;
};
// Title and status line of the stay form for the list's OP ("I", "A", "V",
// "Despesas", "Itens", "Saída"); `baixa` is the stay's BAIXA.
ModoFormulario modoFormulario(const QString &op, const QString &cliente, const QString &uh,
                              const QString &baixa);

// A pending, live reservation covering today, offered for arrival.
struct Oferta {
    qint64 idReserva = 0;
    qint64 idCliente = 0;
    qint64 idUH = 0;
    int pessoas = 0;
    QDate entrada, saida;
    QTime horaSaida;
    QString obs;
    QString cliente; // customer's name
    QString numero;  // room number
};
// By room (porUH) or by customer.
std::optional<Oferta> reservaDeHoje(ConexaoBanco &conexao, bool porUH, qint64 chave, const QDate &hoje);
std::optional<Oferta> reservaPorId(ConexaoBanco &conexao, qint64 idReserva);
QString textoOferta(const Oferta &o, bool porUH);

// Standard items and minibar products of a room (its type's and its own);
// deleted items and products are left out.
struct ItemQtd {
    qint64 id = 0;
    int qtd = 0;
};
struct ProdutoQtd {
    qint64 id = 0;
    int qtd = 0;
    Dinheiro valor;
};
struct Padroes {
    QList<ItemQtd> itens;
    QList<ProdutoQtd> frigobar;
};
Padroes padroesDaUH(ConexaoBanco &conexao, qint64 idUH);

// A vehicle of a guest, as the form holds it.
struct Veiculo {
    QString modelo;
    QString placa;
};

// The guest name as stored (upper case, trimmed); nullopt with the message
// when it cannot be stored.
std::optional<QString> nomeHospede(const QString &digitado, QString *erro);
extern const char *const kMsgNomeHospede;
// The vehicle as stored: model and plate upper case and cut to their columns
// (30 and 8 characters); any plate is taken, a foreign guest's car as well.
// Empty model or plate gives "Informe o Modelo e a Placa do Veículo!".
std::optional<Veiculo> veiculo(const QString &modelo, const QString &placa, QString *erro);
extern const char *const kMsgModeloPlaca;

} // namespace Estadias
