#pragma once
// The fiscal printer (ECF) the fiscal routines drive: the eleven calls of its
// driver library, with the same arguments and return codes, over a simulated
// printer of our own. Each call returns 1 on success, 0 or a negative code on
// failure:
//   0  communication failure (the printer's files cannot be read or written)
//  -1  the call cannot run now (no open coupon, coupon already open, the
//      day's Z reduction already done, payment short of the total, ...)
//  -2  an argument is out of range or not a number / date
//  -3  the tax rate is not programmed
//  -4  "BemaFI32.ini" is missing beside the executable
//  -5  the printer's folder named by that file does not exist
//  -6  the printer is switched off (a file "desligada" in its folder)
//  -24 the payment name is not programmed
//
// The simulated printer keeps its state (open coupon, programmed rates and
// payment names, counters, the day's movement, the Z reductions of its fiscal
// memory) in "estado.json" in its folder and prints every document on the
// paper tape "bobina.txt" there, 48 columns wide, each document as it is
// printed. "BemaFI32.ini" names the folder:
//   [Simulador]
//   Pasta=ImpressoraFiscal      (relative to the ini's folder, or absolute)
// The printer's date and time are the program's clock.
#include <QDate>
#include <QString>
#include <QStringList>

// Opens a fiscal coupon; `cpfCnpj` identifies the buyer at opening (may be empty).
int Bematech_FI_AbreCupom(const QString &cpfCnpj);
// Sells an item on the open coupon. `aliquota`: "FF", "II", "NN" or the index
// ("01".."16") of a programmed rate. `tipoQuantidade` "I" (whole units) or "F"
// (three implied decimals: "2000" is 2). `valorUnitario`/`desconto` are
// amounts with a decimal comma ("1.234,56"); `tipoDesconto` "%" or "$".
int Bematech_FI_VendeItem(const QString &codigo, const QString &descricao, const QString &aliquota,
                          const QString &tipoQuantidade, const QString &quantidade, int casasDecimais,
                          const QString &valorUnitario, const QString &tipoDesconto, const QString &desconto);
// Starts closing the coupon: `acrescimoDesconto` "A" or "D", `tipo` "%" or
// "$", `valor` an amount (or percent) with a decimal comma.
int Bematech_FI_IniciaFechamentoCupom(const QString &acrescimoDesconto, const QString &tipo, const QString &valor);
// One payment of the coupon being closed.
int Bematech_FI_EfetuaFormaPagamento(const QString &formaPagamento, const QString &valor);
// Prints the closing message (up to eight lines of 48 characters) and closes
// the coupon; the payments must cover its total.
int Bematech_FI_TerminaFechamentoCupom(const QString &mensagem);
// Cancels the open coupon, or else the last coupon when it was the last
// document printed.
int Bematech_FI_CancelaCupom();
int Bematech_FI_LeituraX();
// The day's Z reduction; empty date and time use the printer's own.
int Bematech_FI_ReducaoZ(const QString &data, const QString &hora);
// Prints the Z reductions of the fiscal memory between two dates "dd/mm/yy".
int Bematech_FI_LeituraMemoriaFiscalData(const QString &dataInicial, const QString &dataFinal);
// Fills `aliquotas` (a buffer of 79 blanks) with the programmed rates as
// "1800,0500,...", keeping its length.
int Bematech_FI_RetornoAliquotas(QString &aliquotas);
// Programs a rate ("18,00"): `vinculo` 0 ICMS, 1 ISS.
int Bematech_FI_ProgramaAliquota(const QString &aliquota, int vinculo);

namespace SimuladorFiscal {

// "BemaFI32.ini" beside the executable.
QString arquivoIni();
// The printer's folder named by the ini; empty without the ini.
QString pasta();
QString arquivoBobina();
QString arquivoEstado();

// Tests: the next call of `funcao` (its name, "Bematech_FI_VendeItem") after
// `depoisDe` successful-or-not calls of it returns `codigo` and does nothing.
void forcarResultado(const QString &funcao, int codigo, int depoisDe = 0);
void limparForcados();

// Payment names a printer leaves the factory with, as the installer programs
// them for this system's coupons.
QStringList formasPadrao();

} // namespace SimuladorFiscal
