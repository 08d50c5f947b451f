#pragma once
// The SMS gateway's REST interface: one JSON POST to "services/send-sms"
// under the gateway's base address, with HTTP basic authentication. The
// address and the account are settings of the installation (param.ini,
// section [SMS]: URL, USUARIO, SENHA, REMETENTE).
#include <QString>

namespace SmsGateway {

struct Configuracao {
    QString url;       // base address, e.g. https://gateway/api/
    QString usuario;   // account name ("xxxx.rest")
    QString senha;
    QString remetente; // sender used when the company has no trade name
};
// The settings from the workstation file (empty values when absent).
Configuracao configuracao();
Configuracao configuracaoDe(const QString &textoIni);

// The request text: sender, destination and message trimmed, quotes,
// backslashes and control characters escaped, then every character outside
// 7-bit ASCII (accented letters included) replaced by "?".
QString corpo(const QString &de, const QString &para, const QString &mensagem);

struct Resposta {
    int statusHttp = 0;
    QString statusCode;
    QString statusDescription;
    QString detailCode;
    QString detailDescription;
};
// Reads the members of "sendSmsResponse" (empty ones when absent).
Resposta lerResposta(int statusHttp, const QByteArray &json);

// Posts the request text and waits for the answer. A failure of the network
// (no answer at all) raises ErroSistema with the transport's message; any
// HTTP answer is returned, whatever its status.
Resposta enviar(const Configuracao &c, const QString &corpoJson, int esperaMs = 30000);

} // namespace SmsGateway
