#pragma once
// The postal-code lookup: an HTTP GET of "ws/<eight digits>/xml/" under the
// service's base address, answered by an XML document whose document element
// holds logradouro, bairro, localidade and uf. The base address is a setting
// of the installation (param.ini, section [CEP], URL); without it the public
// service at https://viacep.com.br/ is used.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Cep {

inline const QString kEnderecoPadrao = QStringLiteral("https://viacep.com.br/");
inline const QString kMsgFalha = QStringLiteral(
    "Erro ao consultar CEP Online, verifique se o CEP digitado está correto e se a conexão com a internet está "
    "disponível, pode ser também que o CEP não exista na base de dados!");
inline const QString kMsgNovaBusca =
    QStringLiteral("Confirma a Nova Busca do CEP? O endereço atual será substituido!");

// The base address in use: the one set by definirEnderecoBase, else the
// workstation file's, else kEnderecoPadrao.
QString enderecoBase();
// Overrides the address for this process (empty: back to the settings).
void definirEnderecoBase(const QString &url);

// The CEP's digits: separators dropped and blanks trimmed.
QString digitos(const QString &cep);

// Street, district, city and state in that order, each without accents, in
// capitals and trimmed. `valores` holds those found before the first missing
// one; completo is false when any is missing or the answer is not XML.
struct Resultado {
    QStringList valores;
    bool completo = false;
};
Resultado lerResposta(const QByteArray &xml);

// Asks the service. A failure of the network, an HTTP status other than 200
// or an answer that is not the expected XML gives completo = false.
Resultado consultar(const QString &cep, int esperaMs = 15000);

} // namespace Cep
