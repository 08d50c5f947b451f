#pragma once
// What a stay costs: the nights of a hotel stay, the initial period or
// overnight plus additional hours of a motel stay, the consumption charged to
// it and the grand total. The stay form, the check-out and the statements all
// compute a stay's charge here, so every screen shows the same amount.
//
// Elapsed times are counted in seconds between two moments (date and time),
// never as a time of day: a motel stay of 24 hours or more pays every hour.
#include "base/Dinheiro.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <optional>

class ConexaoBanco;

namespace CalculoEstadia {

// ------------------------------------------------------------ room type rates

// The rates of a room type (TIPO_UH): P1..P4 for 1 to 4 persons and their
// floors P1MIN..P4MIN. In motel mode P1 is the initial period, P2 each
// additional hour and P3 the overnight.
struct TaxasTipo {
    Dinheiro p[4];
    Dinheiro minimo[4];
};

// The rates of the type of room `idUH` (all zero when the room has no type).
TaxasTipo lerTaxas(ConexaoBanco &conexao, qint64 idUH);

// The rate and the lowest allowed rate for a party of `pessoas`: 1..4 take
// P1..P4 and P1MIN..P4MIN; any other number gives zero. In motel mode one
// person takes the overnight P3 while the "Pernoite" box is ticked.
struct TaxaPessoas {
    Dinheiro diaria;
    Dinheiro minimo;
};
TaxaPessoas taxaParaPessoas(const TaxasTipo &t, int pessoas, bool motel = false, bool pernoiteMarcado = false);

// ------------------------------------------------------------------ hotel

// Nights between arrival and departure day; the same day counts as one night
// and so does a departure before the arrival (refused at check-in anyway).
int noitesHotel(const QDate &entrada, const QDate &saida);

// ------------------------------------------------------------------ motel

// The motel settings of PARAMETROS.
struct ConfigMotel {
    QTime tempoInicial{2, 0};
    QTime inicioPernoite{20, 0};
    QTime terminoPernoite{12, 0};
    QTime desconsiderarPernoite{4, 0};
    QTime toleranciaSaida{0, 15};
    // Overnight offered on arrivals of that weekday; index 1 = Monday .. 7 = Sunday.
    bool pernoiteDia[8] = {false, true, true, true, true, true, true, true};

    static ConfigMotel deParametros();
};

// The additional hours of a motel stay from `chegada` to `saida` at the rate
// `diaria`: the initial period (rate P1) exceeded, or the overnight (rate P3)
// run past its end, counted in whole hours plus one for a remainder longer
// than the tolerance's minutes and seconds.
int horasAdicionais(const QDateTime &chegada, const QDateTime &saida, Dinheiro diaria, const TaxasTipo &t,
                    const ConfigMotel &c);

// Whether the "Pernoite" box is shown, and ticked when it first shows.
// `diariaGravada`: the stored rate of an existing stay (none for a new one).
struct Pernoite {
    bool visivel = false;
    bool marcar = false;
};
Pernoite decidirPernoite(const QDateTime &chegada, std::optional<Dinheiro> diariaGravada, const TaxasTipo &t,
                         const ConfigMotel &c, bool jaCarregou);

// ----------------------------------------------------------- consumption

// A consumption line's worth: quantity × unit price plus the service fee
// (percent, two decimals) rounded half up to the cent.
Dinheiro valorLinhaConsumo(qint64 qtd, Dinheiro valorUnit, Dinheiro taxaPercentual);

// Sum of the worth of every consumption line of a stay (paid or not).
Dinheiro totalConsumo(ConexaoBanco &c, qint64 idEntrada);

// ------------------------------------------------------------ the whole stay

struct Estadia {
    bool motel = false;
    bool nova = true;          // a check-in not yet saved: nothing stored counts
    qint64 idEntrada = 0;      // existing stay (also the key the form's lists use)
    QDateTime chegada;
    QDateTime saida;
    Dinheiro diaria;           // hotel: daily rate; motel: initial or overnight rate
    int pessoas = 0;
    TaxasTipo taxas;
    ConfigMotel motelConfig;
    Dinheiro consumoPendente;  // lines a form holds for a stay not saved yet
};

struct Resultado {
    int noites = 0;             // hotel: nights (existing: rows posted in OCUPACAO)
    int horasAdicionais = 0;    // motel
    Dinheiro totalDiarias;      // hotel: nights' total; motel: the additional value
    Dinheiro cobranca;          // the stay's charge without consumption
    Dinheiro consumo;           // consumption lines under idEntrada
    Dinheiro total;             // cobranca + consumo
    std::optional<Dinheiro> porPessoa; // total / persons (hotel, persons >= 1)
};

Resultado calcular(ConexaoBanco &c, const Estadia &e);

// The charge row of a motel stay before its statement or check-out: its
// first OCUPACAO row (by key) receives the rate plus the additional value and
// ADICIONAL "S" when there is one; other rows are left alone, so the charge is
// never counted twice. Returns false when the stay has no night row.
bool gravarCobrancaMotel(ConexaoBanco &c, qint64 idEntrada, Dinheiro diaria, Dinheiro adicional);

} // namespace CalculoEstadia
