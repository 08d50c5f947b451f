#pragma once
// "Extrato de UH": the takings of a period room by room. Every stay closed in
// the period and every stay still open, grouped by room, with its nights and
// consumption, the room's totals and the report's totals, the counter sales
// of the period included.
//
// The figures are computed here from the data, once, and the report only
// prints them: preview, printer and a room spread over two pages agree.
// Consumption lines keep four decimals (quantity x unit x (1 + fee / 100));
// sums are rounded to the cent only when shown.
#include "base/Dinheiro.h"
#include "base/Relatorio.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <array>

class ConexaoBanco;

namespace ExtratoUH {

inline const QString kTitulo = QStringLiteral("Extrato de UH");

// An amount in ten-thousandths of a real (four decimals).
struct Valor4 {
    qint64 v = 0;
    static Valor4 de(Dinheiro d) { return {d.centavos() * 100}; }
    // Rounded half away from zero to the cent.
    Dinheiro dinheiro() const;
    Valor4 operator+(Valor4 o) const { return {v + o.v}; }
    Valor4 operator-(Valor4 o) const { return {v - o.v}; }
    Valor4 &operator+=(Valor4 o)
    {
        v += o.v;
        return *this;
    }
    bool operator==(const Valor4 &) const = default;
};

// quantity x unit + quantity x unit x fee / 100, to four decimals (the fee in
// hundredths of a percent: 1000 = 10,00 %).
Valor4 valorLinha(qint64 qtd, Dinheiro unitario, qint64 taxaCentesimos);

// The means of a stay's payments, in the order the footers print them.
enum Meio { Din, Visa, DebVisa, Master, DebMaster, Hiper, Cheque, Nota, kMeios };
// WALK_IN column of each means.
const std::array<QString, kMeios> &colunasMeios();

struct LinhaDespesa {
    QString descricao;      // the product, or "DIÁRIA (n HÓSPEDE(S))"
    qint64 qtd = 0;
    Dinheiro unitario;
    Valor4 subtotal;        // a consumption line's amount; 0 for a night
    QDate data;
    QTime hora;
    qint64 comanda = 0;
    QString usuario;
    bool diaria = false;
};

struct Estadia {
    qint64 id = 0;
    QString cliente;
    QDate dataEntrada, dataSaida;
    QTime horaEntrada, horaSaida;
    qint64 pessoas = 0;
    bool fechada = false;
    QString usuario;        // who closed it
    QString obs;
    qint64 diarias = 0;     // nights charged
    Dinheiro totalDiarias;  // their sum
    std::array<Dinheiro, kMeios> meios{};
    QList<LinhaDespesa> linhas;   // by date and time
    Valor4 consumo() const;       // sum of the consumption lines
};

// The lines of a room footer and of the summary.
struct Totais {
    qint64 hospedagens = 0;       // closed stays
    qint64 diarias = 0;           // their nights
    Valor4 valorDiarias;          // payments of closed stays less their consumption
    Valor4 valorDespesas;         // consumption of closed stays
    std::array<Dinheiro, kMeios> meios{};
    Dinheiro adiantados;          // advances of the room's open stays
    Totais &operator+=(const Totais &o);
};

struct Quarto {
    qint64 idUH = 0;
    QString numero;
    QList<Estadia> estadias;
    Totais totais;
};

struct Extrato {
    QDate de, ate;
    QList<Quarto> quartos;
    Totais geral;                 // rooms only
    // Counter sales of the period, counted by their means (a sale to an
    // employee has no means and adds nothing).
    Dinheiro avulsas;
    std::array<Dinheiro, kMeios> meiosAvulsas{};
    bool vazio() const { return quartos.isEmpty() && avulsas.zero(); }
};

// Reads the period's stays, their lines, the rooms' advances and the counter
// sales (a fixed number of statements, whatever the number of stays).
Extrato ler(ConexaoBanco &c, const QDate &de, const QDate &ate);

// The footer lines (label, value as printed) of a room or of the summary.
QList<QPair<QString, QString>> linhasTotais(const Totais &t);
QList<QPair<QString, QString>> linhasTotalGeral(const Extrato &e);

QString linhaPeriodo(const QDate &de, const QDate &ate);
QString textoLog(const QDate &de, const QDate &ate);

Relatorio relatorio(const Extrato &e);

} // namespace ExtratoUH
