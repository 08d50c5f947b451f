#include "staff/PontoRelatorio.h"

#include "base/Rotinas.h"

#include <QMap>
#include <algorithm>

namespace PontoRelatorio {

namespace {

qint64 segundos(const QTime &t) { return t.isValid() ? QTime(0, 0).secsTo(t) : 0; }
QString hms(const QTime &t) { return (t.isValid() ? t : QTime(0, 0)).toString(QStringLiteral("HH:mm:ss")); }

// Distance between the punched and the expected moment, in seconds.
qint64 distancia(const Ponto::Marcacao &m)
{
    const QDate definida = m.dataDefinida.isValid() ? m.dataDefinida : m.data;
    return std::abs(definida.daysTo(m.data) * 86400 + segundos(m.hora) - segundos(m.horaDefinida));
}

const QString kOk = QStringLiteral("MARCAÇÃO OK");
const QString kAtraso = QStringLiteral("ATRASO OU SAÍDA ANT.");
const QString kExtra = QStringLiteral("HORA EXTRA");
const QString kFalta = QStringLiteral("FALTA");
const QString kAbonado = QStringLiteral("ABONADO");

} // namespace

QTime Cargas::doDia(const QDate &d) const
{
    switch (d.dayOfWeek()) {
    case 6: return sabado;
    case 7: return domingo;
    default: return dia;
    }
}

QString Dia::saldo() const
{
    return trabalhadas >= devidas ? QStringLiteral("+ ") + SecsToHMS(trabalhadas - devidas)
                                  : QStringLiteral("- ") + SecsToHMS(devidas - trabalhadas);
}

QString diaDaSemana(const QDate &d)
{
    static const char *const nomes[] = {"Segunda-Feira", "Terça-Feira", "Quarta-Feira", "Quinta-Feira",
                                        "Sexta-Feira",   "Sábado",      "Domingo"};
    return d.isValid() ? QString::fromUtf8(nomes[d.dayOfWeek() - 1]) : QString();
}

Calculo calcular(const QList<Ponto::Marcacao> &linhas, const Cargas &cargas, const Ponto::Tolerancias &t,
                 bool completo)
{
    QMap<QDate, QList<Ponto::Marcacao>> porDia;
    for (const Ponto::Marcacao &m : linhas)
        if (m.data.isValid())
            porDia[m.data].append(m);

    Calculo c;
    for (auto it = porDia.begin(); it != porDia.end(); ++it) {
        QList<Ponto::Marcacao> doDia = it.value();
        std::sort(doDia.begin(), doDia.end(), [](const auto &a, const auto &b) { return a.id < b.id; });
        Dia dia;
        dia.data = it.key();
        dia.diaSemana = diaDaSemana(dia.data);
        QTime hora1, hora2;
        bool falta1 = false;
        for (int i = 0; i < doDia.size(); ++i) {
            const Ponto::Marcacao &m = doDia[i];
            const QString sit = Ponto::situacao(Ponto::status(m, t));
            // Lateness and extra time count whatever the printing choice.
            if (sit == kAtraso)
                c.totais.atrasos += distancia(m);
            else if (sit == kExtra)
                c.totais.extras += distancia(m);
            const int turno = i / 2;
            if (turno >= 3)
                continue; // a day has three turns; further rows are passed over
            QTime tempo;
            if (sit == kOk || sit == kAbonado || sit == kFalta)
                tempo = m.horaDefinida;
            else if (sit == kAtraso || sit == kExtra)
                tempo = completo ? m.horaDefinida : m.hora;
            else
                tempo = completo ? m.horaDefinida : m.hora; // without status: at its own time
            if (!tempo.isValid())
                tempo = QTime(0, 0);
            const QString tp = m.tipo == QLatin1String("E") ? QStringLiteral("ENTRADA") : QStringLiteral("SAÍDA");
            const QString texto =
                completo ? hms(m.horaDefinida) + QStringLiteral(" (") + tp + QStringLiteral(" - ") + kOk
                               + QLatin1Char(')')
                         : hms(m.hora) + QStringLiteral(" (") + tp + QStringLiteral(" - ") + sit
                               + (sit == kAbonado ? QStringLiteral("(") + m.obs + QLatin1Char(')') : QString())
                               + QLatin1Char(')');
            if (i % 2 == 0) {
                hora1 = tempo;
                falta1 = sit == kFalta;
                dia.turnos[turno] = texto + QStringLiteral(" / ");
            } else {
                hora2 = tempo;
                dia.turnos[turno] += texto;
                qint64 horas = hora1 > hora2 ? 0 : hora1.secsTo(hora2);
                if ((falta1 || sit == kFalta) && !completo)
                    horas = 0;
                dia.horasTurnos[turno] = horas;
            }
        }
        dia.trabalhadas = dia.horasTurnos[0] + dia.horasTurnos[1] + dia.horasTurnos[2];
        dia.devidas = segundos(cargas.doDia(dia.data));
        c.totais.aTrabalhar += dia.devidas;
        c.totais.trabalhadas += dia.trabalhadas;
        c.dias.append(dia);
    }
    return c;
}

Dados ler(qint64 funcionario, const QDate &de, const QDate &ate)
{
    Dados d;
    const Linha f = DM->Conexao.ler(QStringLiteral("SELECT NOME, CARGA_HORARIA_SAB, CARGA_HORARIA_DOM, "
                                                   "CARGA_HORARIA_DIA FROM FUNCIONARIO WHERE ID_FUNCIONARIO = ?"),
                                    {funcionario});
    d.nome = f.texto(QStringLiteral("NOME"));
    d.cargas.dia = f.hora(QStringLiteral("CARGA_HORARIA_DIA"));
    d.cargas.sabado = f.hora(QStringLiteral("CARGA_HORARIA_SAB"));
    d.cargas.domingo = f.hora(QStringLiteral("CARGA_HORARIA_DOM"));
    for (const Linha &l : DM->Conexao.lerTodas(QStringLiteral("SELECT * FROM PONTO WHERE ID_FUNCIONARIO = ? AND "
                                                              "DATA >= ? AND DATA <= ? ORDER BY ID_PONTO"),
                                               {Ponto::chaveTexto(funcionario), de, ate}))
        d.linhas.append(Ponto::Marcacao::de(l));
    return d;
}

Relatorio relatorio(const Dados &d, const Opcoes &o, const Ponto::Tolerancias &t)
{
    const Calculo c = calcular(d.linhas, d.cargas, t, o.completo);
    Relatorio rel(kTitulo);
    const QString fmt = QStringLiteral("dd/MM/yyyy");
    rel.linhaCabecalho(QStringLiteral("(") + d.nome + QStringLiteral(")  (De: ") + o.de.toString(fmt)
                       + QStringLiteral("   Até: ") + o.ate.toString(fmt) + QLatin1Char(')'));
    // Only the totals: no column heads and no day blocks.
    const bool dias = !o.apenasTotais;
    rel.coluna(dias ? QStringLiteral("DATA") : QString(), 18);
    rel.coluna(dias ? QStringLiteral("HORÁRIOS DE MARCAÇÃO") : QString(), 62);
    rel.coluna(dias ? QStringLiteral("HORAS TRABALHADAS") : QString(), 20, Relatorio::Tipo::Texto,
               false, Relatorio::Alinhamento::Direita);
    rel.texto(QStringLiteral("Funcionário: ") + d.nome);
    if (dias) {
        rel.titulosColunas();
        for (const Dia &dia : c.dias) {
            rel.linha({dia.data.toString(fmt), dia.turnos[0], SecsToHMS(dia.horasTurnos[0])});
            rel.linha({dia.diaSemana, dia.turnos[1], SecsToHMS(dia.horasTurnos[1])});
            rel.linha({QString(), dia.turnos[2], SecsToHMS(dia.horasTurnos[2])});
            rel.linha({QString(), QString(), SecsToHMS(dia.trabalhadas)});
            rel.linha({QString(), QStringLiteral("( - ) Carga Horária Diária"), SecsToHMS(dia.devidas)});
            rel.linha({QString(), QStringLiteral("( = ) Saldo de Horas"), dia.saldo()});
        }
    }
    const Totais &s = c.totais;
    rel.texto(QStringLiteral(">>TOTAL<<                    --- ") + d.nome + QStringLiteral(" --- "));
    // The totals under the day blocks, each a line of the middle column.
    auto total = [&](const QString &texto) { rel.linha({QString(), texto, QString()}); };
    total(QStringLiteral("Total de Horas a Serem Trabalhadas: ") + SecsToHMS(s.aTrabalhar));
    total(QStringLiteral("Total de Horas Trabalhadas: ") + SecsToHMS(s.trabalhadas));
    total(s.trabalhadas < s.aTrabalhar ? QStringLiteral("Saldo de Horas:  - ") + SecsToHMS(s.aTrabalhar - s.trabalhadas)
                                       : QStringLiteral("Saldo de Horas:  + ") + SecsToHMS(s.trabalhadas - s.aTrabalhar));
    total(QStringLiteral("Tempo Total de Atrasos: ") + SecsToHMS(s.atrasos));
    total(QStringLiteral("Tempo Total de Extras: ") + SecsToHMS(s.extras));
    rel.texto(QString());
    rel.texto(QStringLiteral("__________________________________________________"));
    rel.texto(d.nome);
    return rel;
}

QString textoLog(const QString &nome, const Opcoes &o)
{
    const QString fmt = QStringLiteral("dd/MM/yyyy");
    QString tipo;
    if (o.apenasTotais && o.completo)
        tipo = QStringLiteral("Apenas Totalizadores e Completo");
    else if (o.apenasTotais)
        tipo = QStringLiteral("Apenas Totalizadores");
    else if (o.completo)
        tipo = QStringLiteral("Completo");
    return QStringLiteral("Relatório de Ponto (") + nome + QStringLiteral(") (De: ") + o.de.toString(fmt)
        + QStringLiteral(" Até: ") + o.ate.toString(fmt) + QStringLiteral("\rTipo:") + tipo;
}

} // namespace PontoRelatorio
