#pragma once
// The weighing scale of the restaurant: a Toledo scale on a serial port. One
// reading sends the request byte (ENQ) and waits for the scale's answer, STX,
// the weight in grams as five (or six) digits and ETX; a scale that cannot
// give a weight answers with letters instead of digits: "IIIII" unstable,
// "NNNNN" negative, "SSSSS" overload. The port is opened for the reading and
// closed afterwards, so another program may use it between readings.
//
// The weight is kept in grams (thousandths of a kilogram). A reading that
// got no whole answer in time gives -9 kg; an answer that is not a weight
// (unstable, negative, overload or anything else) gives -1 kg.
#include <QString>

namespace Balanca {

constexpr int kTempoLimiteMs = 2000;
constexpr qint64 kSemResposta = -9000;      // -9 kg: nothing (whole) within the time limit
constexpr qint64 kRespostaInvalida = -1000; // -1 kg: an answer that is not a weight

// The serial port of the scale: param.ini, section [BALANCA], key PORTA,
// "COM1" when absent. COMn names the n-th serial port of the machine
// (/dev/ttyS(n-1)); any other value is the device's own path.
QString portaConfigurada();
// A fixed port instead of param.ini (tests); empty goes back to param.ini.
void definirPorta(const QString &porta);
// The device path of a port name ("COM1" -> "/dev/ttyS0").
QString dispositivo(const QString &porta);

// The weight of one answer of the scale, given whole (from STX to ETX);
// kRespostaInvalida when it does not hold a weight.
qint64 interpretarResposta(const QByteArray &resposta);

// One reading from the scale on `porta` (a port name or a device path):
// the weight in grams, kSemResposta or kRespostaInvalida. Returns within
// the time limit.
qint64 ler(const QString &porta, int tempoLimiteMs = kTempoLimiteMs);
// One reading from the configured port.
qint64 ler();

// The weight as the quantity field shows it, "##0.000": "0,456", "12,000",
// "-9,000".
QString textoPeso(qint64 gramas);

} // namespace Balanca
