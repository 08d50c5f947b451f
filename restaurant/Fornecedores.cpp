#include "restaurant/Fornecedores.h"
#include "base/Anulacao.h"
#include "base/Parametros.h"
#include "base/Rotinas.h"
#include "base/UnitLog.h"
#include "rooms/Clientes.h"

namespace Fornecedores {

namespace {

struct InfoCampo {
    Campo campo;
    const char *nome;
    int largura;
};
const InfoCampo kCampos[] = {
    {Campo::Documento, "CNPJ / CPF", 18}, {Campo::Nome, "Nome", 90},         {Campo::RG, "RG / Inscrição Estadual", 20},
    {Campo::Contato, "Contato", 20},      {Campo::Endereco, "Endereço", 100}, {Campo::Bairro, "Bairro", 30},
    {Campo::Cidade, "Cidade", 30},        {Campo::Estado, "UF", 2},          {Campo::Cep, "CEP", 9},
    {Campo::Fone, "Fone", 14},            {Campo::Fax, "Fax", 14},           {Campo::Email, "Email", 50},
    {Campo::Observacao, "Observação", 250}, {Campo::FornecedorDe, "Fornecedor De", 50},
};

const InfoCampo *info(Campo c)
{
    for (const InfoCampo &i : kCampos)
        if (i.campo == c)
            return &i;
    return nullptr;
}

QString vivos() { return Anulacao::filtroNaoAnulados(QStringLiteral("ID_FORNECEDOR")); }

bool existe(ConexaoBanco &c, const char *coluna, const QString &valor)
{
    return !c.ler(QStringLiteral("SELECT FIRST 1 ID_FORNECEDOR FROM FORNECEDOR WHERE %1 = ?").arg(QLatin1String(coluna)),
                  {valor})
                .vazia();
}

} // namespace

int largura(Campo c) { return info(c) ? info(c)->largura : 0; }

QString mensagemLargura(Campo c)
{
    return QStringLiteral("O campo %1 aceita no máximo %2 caracteres!")
        .arg(QString::fromUtf8(info(c)->nome))
        .arg(info(c)->largura);
}

bool documentoValido(const QString &tipo, const QString &documento)
{
    const QString digitos = TiraPontoTracoBarra(documento).trimmed();
    return tipo == QLatin1String("F") ? Valida_CPF(digitos) : Valida_CNPJ(digitos);
}

Resultado confirmar(ConexaoBanco &c, ModoEdicao modo, qint64 chave, const Dados &gravado, const Dados &d)
{
    Resultado r;
    auto recusa = [&r](const QString &m, Campo f) {
        r.mensagem = m;
        r.foco = f;
        return r;
    };
    if (d.nome.trimmed().isEmpty())
        return recusa(kMsgNome, Campo::Nome);
    const bool verificar = tParametros().sim(QStringLiteral("VERIF_CPF_CNPJ"));
    const bool docVazio = TiraPontoTracoBarra(d.documento).trimmed().isEmpty();
    const bool fisica = d.tipo == QLatin1String("F");
    const bool juridica = d.tipo == QLatin1String("J");
    if (!fisica && !juridica)
        return recusa(Clientes::kMsgTipoInvalido, Campo::Tipo);
    if (docVazio || (verificar && !documentoValido(d.tipo, d.documento)))
        return recusa(fisica ? kMsgCpf : kMsgCnpj, Campo::Documento);
    if (fisica && d.rg.trimmed().isEmpty())
        return recusa(kMsgRg, Campo::RG);
    if (!d.email.trimmed().isEmpty() && !Clientes::emailValido(d.email))
        return recusa(kMsgEmail, Campo::Email);
    const std::pair<Campo, const QString *> textos[] = {
        {Campo::Documento, &d.documento}, {Campo::Nome, &d.nome},       {Campo::RG, &d.rg},
        {Campo::Contato, &d.contato},     {Campo::Endereco, &d.endereco}, {Campo::Bairro, &d.bairro},
        {Campo::Cidade, &d.cidade},       {Campo::Estado, &d.estado},   {Campo::Cep, &d.cep},
        {Campo::Fone, &d.fone},           {Campo::Fax, &d.fax},         {Campo::Email, &d.email},
        {Campo::Observacao, &d.observacao}, {Campo::FornecedorDe, &d.fornecedorDe}};
    for (const auto &[campo, texto] : textos)
        if (contarCaracteres(*texto) > largura(campo))
            return recusa(mensagemLargura(campo), campo);
    if (modo == ModoEdicao::Ver)
        return r;

    const bool novo = modo == ModoEdicao::Incluir;
    const Valores v{d.documento, d.rg, d.tipo, d.nome, d.contato, d.endereco, d.bairro, d.cidade, d.estado, d.cep,
                    d.fone, d.fax, d.email, d.observacao, d.fornecedorDe};
    bool duplicado = false;
    r.chave = c.emTransacao([&]() -> qint64 {
        if ((novo || d.nome != gravado.nome) && existe(c, "NOME", d.nome))
            duplicado = true;
        else if ((novo || d.documento != gravado.documento) && existe(c, "CNPJ_CPF", d.documento))
            duplicado = true;
        if (duplicado)
            return 0;
        if (novo) {
            const qint64 k = c.valor(QStringLiteral("INSERT INTO FORNECEDOR (CNPJ_CPF, RG_INSC_EST, TIPO_PESSOA, NOME, "
                                                    "CONTATO, ENDERECO, BAIRRO, CIDADE, ESTADO, CEP, FONE_1, FAX, EMAIL, "
                                                    "OBSERVACAO, FORNECEDOR_DE) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                                    "?, ?, ?) RETURNING ID_FORNECEDOR"),
                                     v)
                                 .toLongLong();
            RegistrarLog(QStringLiteral("Incluiu Fornecedor -> Código %1 (%2)").arg(k).arg(d.nome));
            return k;
        }
        Valores va = v;
        va << chave;
        const int n = c.executar(QStringLiteral("UPDATE FORNECEDOR SET CNPJ_CPF = ?, RG_INSC_EST = ?, TIPO_PESSOA = ?, "
                                                "NOME = ?, CONTATO = ?, ENDERECO = ?, BAIRRO = ?, CIDADE = ?, ESTADO = ?, "
                                                "CEP = ?, FONE_1 = ?, FAX = ?, EMAIL = ?, OBSERVACAO = ?, "
                                                "FORNECEDOR_DE = ? WHERE ID_FORNECEDOR = ? AND ")
                                     + vivos(),
                                 va);
        if (n != 1)
            return 0;
        RegistrarLog(QStringLiteral("Alterou Fornecedor -> Código %1 (%2)").arg(chave).arg(d.nome));
        return chave;
    });
    if (duplicado)
        return recusa(kMsgDuplicado, Campo::Nome);
    if (r.chave == 0)
        return recusa(kMsgAlteradoOutraEstacao, Campo::Nenhum);
    r.salvo = true;
    r.mensagem = novo ? kMsgCadastrado : kMsgAlterado;
    return r;
}

bool excluir(ConexaoBanco &c, qint64 chave, const QString &nome)
{
    return c.emTransacao([&] {
        if (c.ler(QStringLiteral("SELECT ID_FORNECEDOR FROM FORNECEDOR WHERE ID_FORNECEDOR = ? WITH LOCK"), {chave}).vazia()
            || Anulacao::anulado(c, QStringLiteral("ID_FORNECEDOR"), chave))
            return false;
        Anulacao::registrar(c, QStringLiteral("ID_FORNECEDOR"), chave);
        RegistrarLog(QStringLiteral("Excluiu Fornecedor -> Código %1 (%2)").arg(chave).arg(nome));
        return true;
    });
}

QString sqlLista() { return QStringLiteral("SELECT * FROM FORNECEDOR WHERE %1 ORDER BY NOME").arg(vivos()); }
QString sqlListaPorCodigo()
{
    return QStringLiteral("SELECT * FROM FORNECEDOR WHERE %1 ORDER BY ID_FORNECEDOR").arg(vivos());
}
QString sqlListaTipo(const QString &tipo)
{
    return QStringLiteral("SELECT * FROM FORNECEDOR WHERE %1 AND TIPO_PESSOA = '%2'")
        .arg(vivos(), tipo == QLatin1String("J") ? QStringLiteral("J") : QStringLiteral("F"));
}

FiltroLista filtro()
{
    FiltroLista f;
    f.modelo = QStringLiteral("SELECT * FROM FORNECEDOR WHERE %1 AND %2 ORDER BY NOME").arg(vivos(), QStringLiteral("%1"));
    const char *const opcoes[][2] = {
        {"Nome / Razão Social", "NOME"}, {"CPF / CNPJ", "CNPJ_CPF"}, {"R.G. / Insc. Estadual", "RG_INSC_EST"},
        {"Cidade", "CIDADE"},           {"Contato", "CONTATO"},     {"Telefone", "FONE_1"},
        {"Fax", "FAX"},                 {"Endereço", "ENDERECO"},   {"Bairro", "BAIRRO"},
        {"Estado", "ESTADO"},           {"Cep", "CEP"},             {"Fornecedor de:", "FORNECEDOR_DE"}};
    for (const auto &o : opcoes)
        f.opcoes.append({QString::fromUtf8(o[0]), QString::fromLatin1(o[1])});
    f.prefixoLog = QStringLiteral("Tentou Localizar Fornecedor de ");
    f.maximo = 90;
    return f;
}

} // namespace Fornecedores
