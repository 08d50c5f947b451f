#pragma once
// The account statement of one stay, as data: the stay with its customer,
// guests and lines (consumption and charged nights), the totals, the room's
// contents, and the papers built from them as documents of the report frame.
// Reading only: nothing here writes. An open motel stay is re-priced for the
// statement only (the charge rule of CalculoEstadia with the moment of
// printing as its departure).
#include "base/Dinheiro.h"
#include "base/Relatorio.h"
#include "base/UnitDM.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

namespace ExtratoConta {

enum class Tipo { Entrada, Conferencia, Saida };

// "Entrada", "Conferência", "Saída".
QString nomeTipo(Tipo t);

// One statement line: a consumption row of the stay (DESPESA_UH) or one of
// its charged nights (OCUPACAO).
struct LinhaExtrato {
    bool noite = false;        // an OCUPACAO row
    qint64 id = 0;             // ID_DESPESA_UH / ID_OCUPACAO
    QDate data;
    QTime hora;                // nights: 00:00:00
    qint64 idPS = 0;           // 0 for a night
    QString descricao;         // desc_ps
    QString descricaoProduto;  // the product's own description (consumption)
    QString sitTribut;         // the product's tax situation (consumption)
    qint64 comanda = 0;
    qint64 qtd = 1;
    Dinheiro valorUnit;        // nights: the night's amount (re-priced for an open motel stay)
    Dinheiro taxa;             // service fee, percent (two decimals)
    Dinheiro total;            // QtdXUnit: quantity × unit value with the fee, to the cent
    bool diaria = false;       // counts as nights in the summary (DIARIA "S")
    int hospedes = 0;          // nights: persons
    bool adicional = false;    // nights: motel additional hours
};

// The chosen stay with its room and customer (tEntrada, tClientes).
struct Estadia {
    qint64 id = 0;
    qint64 idReserva = 0;
    QDate dataEntrada;
    QTime horaEntrada;
    QDate dataSaida;
    QTime horaSaida;
    qint64 idCliente = 0;
    qint64 idUH = 0;
    int pessoas = 0;
    QString obs;
    QString numeroUH;
    QString nomeCliente;
    Dinheiro diaria;
    bool fechada = false;
    Dinheiro adiantado;
    Dinheiro dinheiro, visa, master, hiper, cheque, nota, debVisa, debMaster;
    QString usuario;
    QString usuarioEntrada;
    Dinheiro desconto;
    Dinheiro acrescimo;
    bool auditorio = false;
    Linha cliente;             // the customer's row (empty when it is in the recycle bin)
};

// Everything a statement prints, computed once.
struct Extrato {
    Estadia estadia;
    QStringList hospedes;
    QList<LinhaExtrato> linhas;   // ordered by date and time
    QString chegada;              // "dd/MM/yyyy  HH:mm:ss"
    QString partida;              // open: now; closed: exit date and time
    Dinheiro subtotal;            // sum of the lines' totals
    Dinheiro diarias;             // lines that are nights
    Dinheiro despesas;            // the other lines
    Dinheiro total;               // subtotal - discount + addition
    std::optional<Dinheiro> porPessoa; // total / persons; none below one person
    bool motelRepreciado = false; // an open motel stay shown at the moment's price
    bool preExtrato() const { return !estadia.fechada; }
};

// Why a stay has no statement.
enum class Falta { Nenhuma, Inexistente, Cancelada };

// Reads the stay, its customer, guests and lines. `nomePersonalizado`: the
// text for the nights of an auditorium. `agora`: the moment of printing.
// nullopt (with `falta` set) for a key that names no live stay.
std::optional<Extrato> montar(ConexaoBanco &conexao, qint64 idEntrada, const QString &nomePersonalizado, const QDateTime &agora,
                              Falta *falta = nullptr);

// The room's contents for the entry and conference statements: "APARTAMENTO"
// (stock items lent, value 0,00) then "FRIGOBAR" (minibar products at their price).
struct Conteudo {
    QString local;
    qint64 id = 0;
    qint64 qtd = 0;
    QString descricao;
    Dinheiro valor;
};
QList<Conteudo> conteudos(ConexaoBanco &conexao, qint64 idEntrada);

// The papers as documents of the report frame. The small receipt is one
// page kLarguraComprovante mm wide, as long as its lines.
inline constexpr double kLarguraComprovante = 62;
Relatorio relatorioCompleto(const Extrato &e, bool mostrarCnpj);
Relatorio relatorioComprovante(const Extrato &e);
Relatorio relatorioEntrada(const Extrato &e, const QList<Conteudo> &c, bool mostrarCnpj, const QString &textoChave);
Relatorio relatorioConferencia(const Extrato &e, const QList<Conteudo> &c);

// The log's before-text: "Extrato de Conta (<selector text>)\rTipo:<kind>".
QString textoLog(const QString &textoSeletor, Tipo t);

} // namespace ExtratoConta
