#include "rooms/Clientes.h"

#include "base/Caminhos.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "base/UnitLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace Clientes {

namespace {

const QChar kCR(u'\r');

QString dataTexto(const QDate &d) { return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString(); }

// A value of a list row as text (CHAR padding removed, dates dd/MM/yyyy).
QString campo(const QVariantMap &linha, const QString &nome)
{
    const QVariant v = linha.value(nome);
    if (v.metaType().id() == QMetaType::QDate)
        return dataTexto(v.toDate());
    QString t = v.toString();
    while (t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    return t;
}

QString cortar(const QString &t, int n) { return t.size() > n ? t.left(n) : t; }

// Unique-index violation: the document is already stored (maybe by another
// workstation a moment ago).
bool violacaoUnica(const ErroBanco &e)
{
    const QString t = e.texto().toLower();
    return e.codigo() == QLatin1String("-803") || t.contains(QLatin1String("duplicate value"))
        || t.contains(QLatin1String("ux_cliente_documento"));
}

std::function<void(qint64)> &aberturaHistorico()
{
    static std::function<void(qint64)> f;
    return f;
}

} // namespace

const QString kSqlDocumentoNormalizado = QStringLiteral(
    "NULLIF(REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(CNPJ_CPF, "
    "'.', ''), '-', ''), '/', ''), '(', ''), ')', ''), ':', ''), ' ', ''), '')");

QString documentoNormalizado(const QString &documento)
{
    QString r;
    for (const QChar c : documento)
        if (!QStringView(u".-/():").contains(c) && c != QLatin1Char(' '))
            r += c;
    return r;
}

QString caminhoFoto(const QString &documento)
{
    return Caminhos::naInstalacao(QStringLiteral("img\\cli\\") + TiraPontoTracoBarra(documento.trimmed())
                                  + QStringLiteral(".jpg"));
}

bool emailValido(const QString &email)
{
    static const QRegularExpression re(QStringLiteral(
        "^([a-zA-Z0-9_\\-\\.]+)@((\\[[0-9]{1,3}\\.[0-9]{1,3}\\.[0-9]{1,3}\\.)|(([a-zA-Z0-9\\-]+\\.)+))"
        "([a-zA-Z]{2,4}|[0-9]{1,3})$"));
    return re.match(email).hasMatch();
}

std::optional<Dinheiro> valorMinimo(const QString &texto)
{
    // Signs and slashes typed are dropped, as the form always did ("-50" is
    // a floor of 50); VALOR_MIN is NUMERIC(9,2).
    QString t = texto;
    t.remove(QLatin1Char('-')).remove(QLatin1Char('+')).remove(QLatin1Char('/'));
    return Dinheiro::digitado(t, SinalDigitado::ZeroOuPositivo, VazioDigitado::Zero, Dinheiro::tetoNumeric9()).valor;
}

Recusa verificar(ConexaoBanco &banco, const Dados &d, const Contexto &c)
{
    const TParametros &p = tParametros();
    const bool verifica = p.texto(QStringLiteral("VERIF_CPF_CNPJ")) == QLatin1String("S");
    if (d.nome.trimmed().isEmpty())
        return {kMsgClienteInvalido, Campo::Nome};
    if (!c.semFormato
        && (d.documento == kCpfVazio || (verifica && d.tipo == QLatin1String("F") && !c.docVerificado)))
        return {kMsgCpfInvalido, Campo::Documento};
    if (!c.semFormato
        && (d.documento == kCnpjVazio || (verifica && d.tipo == QLatin1String("J") && !c.docVerificado)))
        return {kMsgCnpjInvalido, Campo::Documento};
    if (d.documento.trimmed().isEmpty())
        return {kMsgDocumentoInvalido, Campo::Documento};
    if (d.tipo != QLatin1String("F") && d.tipo != QLatin1String("J"))
        return {kMsgTipoInvalido, Campo::Documento};
    if (d.tipo == QLatin1String("F") && d.rg.trimmed().isEmpty())
        return {kMsgRgInvalido, Campo::Rg};
    if (!d.email.trimmed().isEmpty() && !emailValido(d.email))
        return {kMsgEmailInvalido, Campo::Email};
    if (p.texto(QStringLiteral("CLIENTE_TODOS_CAMPOS")) == QLatin1String("S")) {
        for (const QString *t : {&d.endereco, &d.bairro, &d.cidade, &d.estado, &d.fone, &d.email})
            if (t->isEmpty())
                return {kMsgTodosCampos, Campo::Nenhum};
    }
    if (!valorMinimo(d.valorMinimo))
        return {kMsgValorMinimoInvalido, Campo::ValorMinimo};
    const QString doc = documentoNormalizado(d.documento);
    const bool testar = c.modo == ModoEdicao::Incluir
        || (c.modo == ModoEdicao::Alterar && doc != documentoNormalizado(c.documentoAnterior));
    if (testar && !doc.isEmpty()) {
        const QVariant outro = banco.valor(
            QStringLiteral("SELECT FIRST 1 ID_CLIENTE FROM CLIENTE WHERE ") + kSqlDocumentoNormalizado
                + QStringLiteral(" = CAST(? AS VARCHAR(18)) AND ID_CLIENTE <> ?"),
            {cortar(doc, 18), c.modo == ModoEdicao::Incluir ? qint64(0) : c.idCliente});
        if (outro.isValid())
            return {kMsgDuplicado, Campo::Nome};
    }
    return {};
}

// ------------------------------------------------------------------ log texts

QString textoNovoCliente(qint64 id, const Dados &d)
{
    return QStringList{
        QStringLiteral("CÓDIGO: ") + QString::number(id),
        QStringLiteral("CNPJ/CPF: ") + d.documento,
        QStringLiteral("RG/INCRIÇÃO ESTADUAL: ") + d.rg,
        QStringLiteral("NOME: ") + d.nome,
        QStringLiteral("CONTATO: ") + d.contato,
        QStringLiteral("ENDEREÇO: ") + d.endereco,
        QStringLiteral("BAIRRO: ") + d.bairro,
        QStringLiteral("CIDADE: ") + d.cidade,
        QStringLiteral("ESTADO: ") + d.estado,
        QStringLiteral("CEP: ") + d.cep,
        QStringLiteral("TELEFONE: ") + d.fone,
        QStringLiteral("FAX: ") + d.fax,
        QStringLiteral("DATA DE NASCIMENTO: ") + dataTexto(d.nascimento),
        QStringLiteral("EMAIL: ") + d.email,
        QStringLiteral("VALOR MÍNIMO: R$ ") + d.valorMinimo,
        QStringLiteral("OBSERVAÇÕES: ") + d.observacao,
        QStringLiteral("LEMBRETE PESSOAL: ") + d.lembrete,
    }.join(kCR);
}

namespace {

QString textoAlteracaoDe(const QStringList &v)
{
    static const char *const rotulos[] = {
        "CÓDIGO: ", "CNPJ/CPF: ", "RG/INCRIÇÃO ESTADUAL: ", "NOME: ",  "CONTATO: ",
        "ENDEREÇO: ", "NUMERO: ", "BAIRRO: ", "CIDADE: ", "ESTADO: ", "CEP: ", "TELEFONE: ", "FAX: ",
        "DATA DE NASCIMENTO: ", "EMAIL: ", "VALOR MÍNIMO: R$ ", "OBSERVAÇÕES: ", "LEMBRETE: "};
    QStringList l;
    for (int i = 0; i < int(std::size(rotulos)); ++i)
        l << QString::fromUtf8(rotulos[i]) + v.value(i);
    return l.join(kCR);
}

} // namespace

QString textoAlteracao(qint64 id, const Dados &d)
{
    return textoAlteracaoDe({QString::number(id), d.documento, d.rg, d.nome, d.contato, d.endereco, d.numero,
                             d.bairro, d.cidade, d.estado, d.cep, d.fone, d.fax, dataTexto(d.nascimento), d.email,
                             d.valorMinimo, d.observacao, d.lembrete});
}

QString textoAlteracaoAntes(const QVariantMap &r)
{
    auto c = [&](const char *n) { return campo(r, QString::fromLatin1(n)); };
    return textoAlteracaoDe({c("ID_CLIENTE"), c("CNPJ_CPF"), c("RG_INSC_EST"), c("NOME"), c("CONTATO"),
                             c("ENDERECO"), c("NUMERO"), c("BAIRRO"), c("CIDADE"), c("ESTADO"), c("CEP"),
                             c("FONE_1"), c("FAX"), c("DATA_NASC"), c("EMAIL"),
                             Dinheiro::deVariant(r.value(QStringLiteral("VALOR_MIN"))).formatado(), c("OBSERVACAO"),
                             c("LEMBRETE")});
}

QString textoCliente(const QVariantMap &r)
{
    static const char *const linhas[][2] = {
        {"CÓDIGO: ", "ID_CLIENTE"},   {"CNPJ/CPF: ", "CNPJ_CPF"},
        {"RG/INCRIÇÃO ESTADUAL: ", "RG_INSC_EST"}, {"NOME: ", "NOME"},
        {"CONTATO: ", "CONTATO"},     {"ENDEREÇO: ", "ENDERECO"},
        {"BAIRRO: ", "BAIRRO"},       {"CIDADE: ", "CIDADE"},
        {"ESTADO: ", "ESTADO"},       {"CEP: ", "CEP"},
        {"TELEFONE: ", "FONE_1"},     {"FAX: ", "FAX"},
        {"DATA DE NASCIMENTO: ", "DATA_NASC"}, {"EMAIL: ", "EMAIL"},
        {"OBSERVAÇÕES: ", "OBSERVACAO"}};
    QStringList l;
    for (const auto &x : linhas)
        l << QString::fromUtf8(x[0]) + campo(r, QString::fromLatin1(x[1]));
    return l.join(kCR);
}

// ------------------------------------------------------------------ saving

namespace {

// Column values in the order of the insert (after the document, which
// differs only in how it is compared).
Valores valoresColunas(const Dados &d, const QString &foto)
{
    return {d.documento,
            d.rg,
            d.tipo,
            d.nome,
            d.contato,
            d.endereco,
            d.numero,
            d.bairro,
            d.cidade,
            d.estado,
            d.cep,
            d.fone,
            d.fax,
            d.nascimento.isValid() ? QVariant(d.nascimento) : QVariant(QDate(1900, 1, 1)),
            d.email,
            valorMinimo(d.valorMinimo).value_or(Dinheiro()).paraBanco(),
            d.observacao,
            d.lembrete,
            foto};
}

template <class F>
Gravacao gravarComDocumentoUnico(ConexaoBanco &banco, F &&operacao)
{
    try {
        return banco.emTransacao(std::forward<F>(operacao));
    } catch (const ErroBanco &e) {
        if (!violacaoUnica(e))
            throw;
        Gravacao g;
        g.recusa = {kMsgDuplicado, Campo::Nome};
        return g;
    }
}

} // namespace

Gravacao incluir(ConexaoBanco &banco, const Dados &d, const Contexto &c)
{
    return gravarComDocumentoUnico(banco, [&] {
        Gravacao g;
        g.recusa = verificar(banco, d, c);
        if (g.recusa.recusado())
            return g;
        g.arquivoFoto = caminhoFoto(d.documento);
        Valores v = valoresColunas(d, g.arquivoFoto);
        // DATA_CADASTRO and USUARIO go before FOTO, as the columns are listed
        v.insert(v.size() - 1, Relogio::hoje());
        v.insert(v.size() - 1, cortar(Sessao::atual().login, 10));
        g.id = banco
                   .ler(QStringLiteral(
                            "INSERT INTO CLIENTE (CNPJ_CPF, RG_INSC_EST, TIPO_PESSOA, NOME, CONTATO, ENDERECO, NUMERO, "
                            "BAIRRO, CIDADE, ESTADO, CEP, FONE_1, FAX, DATA_NASC, EMAIL, VALOR_MIN, OBSERVACAO, "
                            "LEMBRETE, DATA_CADASTRO, USUARIO, FOTO) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING ID_CLIENTE"),
                        v)
                   .inteiro(QStringLiteral("ID_CLIENTE"));
        NovoRegistrarLog(banco, QStringLiteral("Incluiu Novo Cliente"), textoNovoCliente(g.id, d), QString());
        return g;
    });
}

Gravacao alterar(ConexaoBanco &banco, const Dados &d, const Contexto &c, const QVariantMap &linhaAntes)
{
    return gravarComDocumentoUnico(banco, [&] {
        Gravacao g;
        g.recusa = verificar(banco, d, c);
        if (g.recusa.recusado())
            return g;
        g.id = c.idCliente;
        g.arquivoFoto = caminhoFoto(d.documento);
        Valores v = valoresColunas(d, g.arquivoFoto);
        v.append(c.idCliente);
        const int n = banco.executar(
            QStringLiteral("UPDATE CLIENTE SET CNPJ_CPF = ?, RG_INSC_EST = ?, TIPO_PESSOA = ?, NOME = ?, CONTATO = ?, "
                           "ENDERECO = ?, NUMERO = ?, BAIRRO = ?, CIDADE = ?, ESTADO = ?, CEP = ?, FONE_1 = ?, "
                           "FAX = ?, DATA_NASC = ?, EMAIL = ?, VALOR_MIN = ?, OBSERVACAO = ?, LEMBRETE = ?, FOTO = ? "
                           "WHERE ID_CLIENTE = ?"),
            v);
        if (n != 1) {
            g.recusa = {kMsgNaoEncontrado, Campo::Nenhum};
            return g;
        }
        NovoRegistrarLog(banco, QStringLiteral("Alterou Dados do Cliente"), textoAlteracaoAntes(linhaAntes),
                         textoAlteracao(c.idCliente, d));
        return g;
    });
}

bool gravarFoto(const QImage &foto, const QString &arquivo) { return gravarImagemJpeg(foto, arquivo); }

// ------------------------------------------------------------------ states

bool restringir(ConexaoBanco &banco, qint64 id, const QString &estado, const QString &motivo)
{
    const QString e = estado == QLatin1String("S") ? QStringLiteral("S") : QStringLiteral("R");
    return banco.emTransacao([&] {
        const Linha l = banco.ler(QStringLiteral("SELECT * FROM CLIENTE WHERE ID_CLIENTE = ?"), {id});
        if (l.vazia())
            return false;
        const int n = banco.executar(
            QStringLiteral("UPDATE CLIENTE SET EXCLUIDO = ?, MOTIVO = ? WHERE ID_CLIENTE = ?"),
            {e, cortar(motivo, kTamanhoMotivo), id});
        if (n != 1)
            return false;
        QVariantMap m;
        for (int i = 0; i < l.registro().count(); ++i)
            m.insert(l.registro().fieldName(i), l.valor(i));
        NovoRegistrarLog(banco, e == QLatin1String("S") ? QStringLiteral("Excluiu Cliente com Negativação")
                                                 : QStringLiteral("Excluiu Cliente com Restrição"),
                         textoCliente(m), QString());
        return true;
    });
}

bool recuperar(ConexaoBanco &banco, qint64 id)
{
    return banco.emTransacao([&] {
        const Linha l = banco.ler(QStringLiteral("SELECT NOME FROM CLIENTE WHERE ID_CLIENTE = ?"), {id});
        if (l.vazia())
            return false;
        const int n =
            banco.executar(QStringLiteral("UPDATE CLIENTE SET EXCLUIDO = 'N' WHERE ID_CLIENTE = ?"), {id});
        if (n != 1)
            return false;
        RegistrarLog(banco, QStringLiteral("Recuperou Cliente de CPF / CNPJ -> ") + QString::number(id)
                                + QStringLiteral(" (") + l.texto(QStringLiteral("NOME")) + QStringLiteral(")"));
        return true;
    });
}

// ------------------------------------------------------------------ express check-in

bool aceitarEntradaExpressa(const QString &excluido, const QString &nome, const QString &motivo,
                            const QString &lembrete)
{
    auto lembrar = [&] {
        if (!lembrete.isEmpty())
            Mensagem::info(QStringLiteral("Lembrete Pessoal para ") + nome + QStringLiteral("\r\r") + lembrete);
    };
    const QString estado = excluido.trimmed();
    if (estado == QLatin1String("S")) {
        Mensagem::info(QStringLiteral("O Cliente ") + nome
                       + QStringLiteral(" Encontra-se em situação de Negativação! Não está permitido realizar entrada "
                                        "para esse Cliente!\r\r MOTIVO: ")
                       + motivo);
        lembrar();
        return false;
    }
    if (estado == QLatin1String("R")) {
        const bool sim = Mensagem::pergunta(
            QStringLiteral("O Cliente ") + nome
            + QStringLiteral(" Encontra-se em situação de Restrição! Deseja Realmente realizar a entrada deste "
                             "Cliente?\r\r MOTIVO: ")
            + motivo);
        lembrar();
        return sim;
    }
    lembrar();
    return true;
}

bool aceitarEntradaExpressa(ConexaoBanco &banco, qint64 idCliente)
{
    const Linha l = banco.ler(
        QStringLiteral("SELECT NOME, EXCLUIDO, MOTIVO, LEMBRETE FROM CLIENTE WHERE ID_CLIENTE = ?"), {idCliente});
    if (l.vazia())
        return false;
    return aceitarEntradaExpressa(l.texto(QStringLiteral("EXCLUIDO")), l.texto(QStringLiteral("NOME")),
                                  l.texto(QStringLiteral("MOTIVO")), l.texto(QStringLiteral("LEMBRETE")));
}

// ------------------------------------------------------------------ companion copy

void gravarClientePDV(ConexaoBanco &pdv, const Linha &c, bool existe)
{
    const qint64 idCliente = c.inteiro(QStringLiteral("ID_CLIENTE"));
    auto t = [&](const char *col) { return c.texto(QString::fromLatin1(col)); };
    const QString doc = t("CNPJ_CPF");
    const bool cpf = doc.size() == 14;
    const QVariant nulo(QMetaType(QMetaType::QString));
    auto dataOu = [&](const char *col, const QVariant &padrao) {
        const QDate d = c.data(QString::fromLatin1(col));
        return d.isValid() ? QVariant(d) : padrao;
    };
    const QString usuario = t("USUARIO");
    Valores v{cortar(t("NOME"), 50),
              cortar(t("ENDERECO"), 50),
              t("BAIRRO"),
              cpf ? QVariant(doc) : nulo,
              cpf ? QVariant(t("RG_INSC_EST")) : nulo,
              cpf ? nulo : QVariant(doc),
              cpf ? nulo : QVariant(t("RG_INSC_EST")),
              t("CIDADE"),
              t("ESTADO"),
              t("CEP"),
              t("FONE_1"),
              t("FAX")};
    const QVariant dataNulaInsert(QDate(2000, 1, 1));
    const QVariant dataNula(QMetaType(QMetaType::QDate));
    v << dataOu("DATA_NASC", existe ? dataNula : dataNulaInsert)
      << dataOu("DATA_CADASTRO", existe ? dataNula : dataNulaInsert) << QStringLiteral("B")
      << QStringLiteral("N") << QStringLiteral("N") << cortar(t("EMAIL"), 35) << t("EXCLUIDO")
      << QStringLiteral("0") << QStringLiteral("N") << cortar(t("MOTIVO"), 80)
      << cortar(t("OBSERVACAO"), 80) << QStringLiteral("N") << usuario << QStringLiteral("S") << usuario;
    if (existe) {
        v << idCliente;
        pdv.executar(QStringLiteral(
                         "UPDATE CLIENTE SET NOME = ?, ENDERECO = ?, BAIRRO = ?, CPF = ?, RG = ?, CGC = ?, "
                         "IE = ?, CIDADE = ?, UF = ?, CEP = ?, TELEFONE = ?, FAX = ?, DATANASCTO = ?, "
                         "DATACADASTRO = ?, TIPO = ?, INADIMPLENTE = ?, SPC = ?, EMAIL = ?, INATIVO = ?, "
                         "TRAVA = ?, CONTRIBUINTE = ?, MOTIVO = ?, OBS = ?, VISTA = ?, USER_CADASTROU = ?, "
                         "CAD_AUTORIZADO = ?, USER_AUTORIZOU = ? WHERE CODIGO = ?"),
                     v);
    } else {
        v.prepend(idCliente);
        v.insert(13, 0); // LIMITECREDITO
        pdv.executar(QStringLiteral(
                         "INSERT INTO CLIENTE (CODIGO, NOME, ENDERECO, BAIRRO, CPF, RG, CGC, IE, CIDADE, UF, "
                         "CEP, TELEFONE, FAX, LIMITECREDITO, DATANASCTO, DATACADASTRO, TIPO, INADIMPLENTE, "
                         "SPC, EMAIL, INATIVO, TRAVA, CONTRIBUINTE, MOTIVO, OBS, VISTA, USER_CADASTROU, "
                         "CAD_AUTORIZADO, USER_AUTORIZOU) "
                         "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                         "?, ?, ?)"),
                     v);
    }
}

void copiarParaPDV(ConexaoBanco &banco, ConexaoBanco &pdv, qint64 idCliente)
{
    if (tParametros().texto(QStringLiteral("UTILIZA_FISCAL")) != QLatin1String("S"))
        return;
    const Linha c = banco.ler(QStringLiteral("SELECT * FROM CLIENTE WHERE ID_CLIENTE = ?"), {idCliente});
    if (c.vazia())
        return;
    try {
        pdv.garantirConectada();
        pdv.emTransacao([&] {
            const bool existe =
                pdv.ler(QStringLiteral("SELECT CODIGO FROM CLIENTE WHERE CODIGO = ?"), {idCliente}).vazia() == false;
            gravarClientePDV(pdv, c, existe);
        });
    } catch (const ErroBanco &e) {
        throw ErroBanco(QStringLiteral("O cliente foi gravado, mas não foi possível copiá-lo para o Zentro PDV.\n\n")
                            + e.texto(),
                        e.codigo());
    }
}

// ------------------------------------------------------------------ history

void definirAberturaHistorico(std::function<void(qint64)> abrir) { aberturaHistorico() = std::move(abrir); }

bool abrirHistorico(qint64 idCliente)
{
    if (!aberturaHistorico())
        return false;
    aberturaHistorico()(idCliente);
    return true;
}

} // namespace Clientes
