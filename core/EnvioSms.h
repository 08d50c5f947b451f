#pragma once
// One SMS to a customer's mobile phone, the rules: the proposed text and
// numbers, the characters left, the request posted and the reservation's
// confirmation columns written.
#include "core/SmsGateway.h"
#include <QStringList>
#include <functional>

class ConexaoBanco;

namespace Sms {

inline constexpr int kLimite = 158;
inline constexpr const char *kMsgLimite = "Quantidade de caracteres maior que 158, favor ajustar!";
inline constexpr const char *kMsgReenvio = "Reenvio de Mensagem, consulte a Administração!";
inline constexpr const char *kMsgErroApi = "Erro ao conectar a API Zenvia!";
inline constexpr const char *kMsgEnviado = "SMS enviado com sucesso!";
inline constexpr const char *kRetornoEnviado = "Mensagem enviada";
inline constexpr const char *kLogConfirmacao = "Envio de confirmação de Reserva por SMS";

// Who opened the screen and on what.
struct Contexto {
    enum class Origem { Reserva, Extrato, MapaUH };
    Origem origem = Origem::MapaUH;
    qint64 idReserva = 0;  // reservation list: the reservation
    qint64 idWalkIn = 0;   // statement / room map: the stay (0: the room has none)
    QString tipoExtrato;   // statement: "Entrada", "Saída" or "Conferência"
    std::function<void()> atualizarReservas; // refreshes the reservation list after a confirmation
};

// What the screen shows when it opens.
struct Proposta {
    QString de;
    QString para;
    QString mensagem;
    QString nome;            // AuxNome
    QStringList telefones;   // FONE_1 and FAX as stored, when filled
    QString observacao;      // the reservation's OBS
    bool mostrarObservacao = false;
    bool jaEnviada = false;  // the reservation's confirmation went out before
};
Proposta propor(ConexaoBanco &conexao, const Contexto &c);

// The name used in the texts: a company's name as stored; a person's first
// word with only its first letter in upper case.
QString nomeParaMensagem(const QString &nome, const QString &tipoPessoa);
// "55" and the number without . - : / ( ) and blanks.
QString destino(const QString &telefone);
// Characters left for sender and message together (negative when over).
int restantes(const QString &de, const QString &mensagem);
QString textoRestantes(int n);
// The farewell's closing line.
QString linhaDespedida();

enum class Resultado { Bloqueado, Falhou, Enviado, SemConfirmacao };
// The whole confirmation: checks, post, messages, and for a reservation the
// record of the sending. `jaEnviada` tells whether the reservation's
// confirmation had gone out.
Resultado confirmar(ConexaoBanco &conexao, const Contexto &c, const QString &de, const QString &para, const QString &mensagem,
                    bool jaEnviada, const SmsGateway::Configuracao &conf);

} // namespace Sms
