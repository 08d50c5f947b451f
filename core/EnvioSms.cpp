#include "core/EnvioSms.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"
#include <QRegularExpression>

namespace Sms {

QString nomeParaMensagem(const QString &nome, const QString &tipoPessoa)
{
    if (tipoPessoa == QLatin1String("J"))
        return nome;
    const QString primeiro = nome.trimmed().section(QLatin1Char(' '), 0, 0);
    if (primeiro.isEmpty())
        return {};
    return primeiro.left(1) + primeiro.mid(1).toLower();
}

QString destino(const QString &telefone)
{
    QString n = telefone;
    n.remove(QRegularExpression(QStringLiteral("[.\\-:/() ]")));
    return QStringLiteral("55") + n;
}

int restantes(const QString &de, const QString &mensagem)
{
    return kLimite - int(de.size() + mensagem.size());
}

QString textoRestantes(int n)
{
    return QString::number(n) + QStringLiteral(" caracteres restantes");
}

QString linhaDespedida()
{
    const QString hotel = tParametros().texto(QStringLiteral("NOME_FANTASIA")).trimmed();
    return hotel.isEmpty() ? QString() : QStringLiteral(" Atenciosamente, ") + hotel + QStringLiteral(".");
}

namespace {

struct Cliente {
    QString fone1, fax, tipo, nome;
};

Cliente lerCliente(ConexaoBanco &conexao, qint64 idCliente)
{
    const Linha l = conexao.ler(
        QStringLiteral("SELECT FONE_1, FAX, TIPO_PESSOA, NOME FROM CLIENTE WHERE ID_CLIENTE = ?"), {idCliente});
    return {l.texto(QStringLiteral("FONE_1")), l.texto(QStringLiteral("FAX")), l.texto(QStringLiteral("TIPO_PESSOA")),
            l.texto(QStringLiteral("NOME"))};
}

Cliente clienteDaEstadia(ConexaoBanco &conexao, qint64 idWalkIn)
{
    const qint64 id = conexao.ler(QStringLiteral("SELECT ID_CLIENTE FROM WALK_IN WHERE ID_WALK_IN = ?"), {idWalkIn})
                          .inteiro(QStringLiteral("ID_CLIENTE"));
    return lerCliente(conexao, id);
}

} // namespace

Proposta propor(ConexaoBanco &conexao, const Contexto &c)
{
    Proposta p;
    Cliente cli;
    switch (c.origem) {
    case Contexto::Origem::Reserva: {
        const Linha r = conexao.ler(
            QStringLiteral("SELECT ID_CLIENTE, DATA_ENTRADA, OBS, CONF_SMS FROM RESERVA WHERE ID_RESERVA = ?"), {c.idReserva});
        p.observacao = r.texto(QStringLiteral("OBS"));
        p.mostrarObservacao = true;
        p.jaEnviada = !r.nulo(QStringLiteral("CONF_SMS")) && !r.vazia();
        cli = lerCliente(conexao, r.inteiro(QStringLiteral("ID_CLIENTE")));
        p.nome = nomeParaMensagem(cli.nome, cli.tipo);
        p.mensagem = QStringLiteral("Olá ") + p.nome + QStringLiteral(", sua reserva de código ")
            + QString::number(c.idReserva) + QStringLiteral(" com data para ")
            + r.data(QStringLiteral("DATA_ENTRADA")).toString(QStringLiteral("dd/MM/yyyy"))
            + QStringLiteral(" está confirmada.");
        break;
    }
    case Contexto::Origem::Extrato:
        cli = clienteDaEstadia(conexao, c.idWalkIn);
        p.nome = nomeParaMensagem(cli.nome, cli.tipo);
        if (c.tipoExtrato == QLatin1String("Entrada"))
            p.mensagem = QStringLiteral("Seja bem-vindo ") + p.nome
                + QStringLiteral(". Esperamos que esta se torne sua segunda casa e que encontre em todos nós uma "
                                 "segunda família. É um prazer servi-lo!");
        else if (c.tipoExtrato == QStringLiteral("Saída"))
            p.mensagem = QStringLiteral("Como é triste a despedida, foi um prazer te receber. Esperamos revê-lo em breve! "
                                        "Boa viagem ")
                + p.nome + QStringLiteral(".") + linhaDespedida();
        break;
    case Contexto::Origem::MapaUH:
        if (c.idWalkIn > 0) {
            cli = clienteDaEstadia(conexao, c.idWalkIn);
            p.nome = nomeParaMensagem(cli.nome, cli.tipo);
        }
        if (!p.nome.isEmpty())
            p.mensagem = p.nome + QStringLiteral(", ");
        break;
    }
    for (const QString &f : {cli.fone1, cli.fax})
        if (!f.trimmed().isEmpty())
            p.telefones << f;
    if (!cli.fone1.trimmed().isEmpty())
        p.para = destino(cli.fone1);
    QString remetente = tParametros().texto(QStringLiteral("NOME_FANTASIA"));
    if (remetente.trimmed().isEmpty())
        remetente = SmsGateway::configuracao().remetente;
    p.de = remetente.left(20);
    return p;
}

Resultado confirmar(ConexaoBanco &conexao, const Contexto &c, const QString &de, const QString &para, const QString &mensagem,
                    bool jaEnviada, const SmsGateway::Configuracao &conf)
{
    if (restantes(de, mensagem) < 0) {
        Mensagem::aviso(QString::fromUtf8(kMsgLimite));
        return Resultado::Bloqueado;
    }
    if (c.origem == Contexto::Origem::Reserva && jaEnviada && !Sessao::atual().direitos.ACESSO_TOTAL) {
        Mensagem::aviso(QString::fromUtf8(kMsgReenvio));
        return Resultado::Bloqueado;
    }
    const QString corpo = SmsGateway::corpo(de, para, mensagem);
    const SmsGateway::Resposta r = SmsGateway::enviar(conf, corpo);
    if (r.statusHttp != 200)
        Mensagem::erro(QString::fromUtf8(kMsgErroApi));
    if (r.statusCode != QLatin1String("00")) {
        Mensagem::erro(QStringLiteral("Erro ao enviar SMS, tente novamente em alguns instantes, caso não consiga, entre em "
                                      "contato com o suporte Calvori!")
                       + QStringLiteral("\r\r") + QStringLiteral("Erro: ") + r.statusCode + QStringLiteral(" - ")
                       + r.statusDescription + QStringLiteral("\r") + QStringLiteral("Detalhe: ") + r.detailCode
                       + QStringLiteral(" - ") + r.detailDescription);
        return Resultado::Falhou;
    }
    if (r.detailCode != QLatin1String("000"))
        return Resultado::SemConfirmacao;
    if (c.origem == Contexto::Origem::Reserva) {
        conexao.emTransacao([&] {
            conexao.executar(QStringLiteral("UPDATE RESERVA SET CONF_SMS = ?, PARA_CONF_SMS = ?, RETORNO_CONF_SMS = ? "
                                                "WHERE ID_RESERVA = ?"),
                                 {Relogio::agora(), para.trimmed().left(50), QString::fromUtf8(kRetornoEnviado), c.idReserva});
            NovoRegistrarLog(conexao, QString::fromUtf8(kLogConfirmacao), corpo, QString());
        });
        if (c.atualizarReservas)
            c.atualizarReservas();
    }
    Mensagem::info(QString::fromUtf8(kMsgEnviado));
    return Resultado::Enviado;
}

} // namespace Sms
