#include "core/ParametrosRegras.h"
#include "base/Rotinas.h"
#include "base/UnitLog.h"

#include <QRegularExpression>
#include <QTime>
#include <limits>

namespace ParametrosRegras {

namespace {

const QString kFormatoHora = QStringLiteral("HH:mm:ss");

Campo c(const char *coluna, Tipo tipo, int largura, const QString &rotulo)
{
    return Campo{QString::fromLatin1(coluna), tipo, largura, rotulo};
}
Campo flag(const char *coluna, const QString &rotulo) { return c(coluna, Tipo::Flag, 1, rotulo); }
Campo hora(const char *coluna, const QString &rotulo) { return c(coluna, Tipo::Hora, 8, rotulo); }

QList<Campo> montarCampos()
{
    using T = Tipo;
    return {
        c("RAZAO_SOCIAL", T::Texto, 90, QStringLiteral("Empresa:")),
        c("NOME_FANTASIA", T::Texto, 90, QStringLiteral("N. Fantasia:")),
        c("CNPJ", T::Cnpj, 18, QStringLiteral("CNPJ:")),
        c("CIDADE", T::Texto, 50, QStringLiteral("Cidade:")),
        c("ENDERECO", T::Texto, 150, QStringLiteral("Endereço:")),
        c("UF", T::Texto, 2, QStringLiteral("Estado:")),
        c("FONE1", T::Fone, 20, QStringLiteral("Telefone(1):")),
        c("FONE2", T::Fone, 20, QStringLiteral("Telefone(2):")),
        c("FAX", T::Fone, 20, QStringLiteral("Fax:")),
        c("IMPRESSAOLARGURA", T::Pagina, 12, QStringLiteral("Largura")),
        c("IMPRESSAOCOMPRIMENTO", T::Pagina, 12, QStringLiteral("Comprimento")),
        c("HOMEPAGE", T::Texto, 100, QStringLiteral("WebSite:")),
        c("EMAIL", T::Texto, 100, QStringLiteral("E-Mail:")),
        c("MODELO_IMG", T::Modelo, 1, QStringLiteral("Imagens de Fundo:")),
        hora("TOLERANCIA_PONTO", QStringLiteral("Registrar Hora Extra Após")),
        hora("TEMPO_EXCLUIR", QStringLiteral("Tempo Limite para Excluir Entradas")),
        hora("TEMPO_ALTERAR_FORMA", QStringLiteral("Tempo Limite para Corrigir Formas de Pagamento")),
        hora("TOLERANCIA_ATRASO", QStringLiteral("Registrar Atraso Após")),
        hora("INICIO_POLITICA", QStringLiteral("Início às:")),
        hora("TERMINO_POLITICA", QStringLiteral("Término às:")),
        hora("TEMPO_INICIAL", QStringLiteral("Tempo Inicial até:")),
        hora("EXCEDENTE_CADA", QStringLiteral("Cobrança Excedente a cada:")),
        hora("TOLERANCIA_SAIDA", QStringLiteral("Tolerância para Cobrança de Excedente:")),
        hora("INICIO_PERNOITE", QStringLiteral("Início às:")),
        hora("TERMINO_PERNOITE", QStringLiteral("Término às:")),
        hora("DESCONSIDERAR_PERNOITE", QStringLiteral("Desconsiderar  a partir de:")),
        c("LOGO", T::Arquivo, 250, QStringLiteral("Logotipo:")),
        c("LEITOS", T::Inteiro, 13, QStringLiteral("Total de Leitos")),
        c("ALIQUOTADIARIA", T::Texto, 2, QStringLiteral("Alíquota para Diárias")),
        c("LIMITE_DESCONTO", T::Percentual, 6, QStringLiteral("Limite de Desconto para Funcionários")),
        c("PERCENTUAL_POLITICA_INDIVIDUAL", T::Percentual, 6,
          QStringLiteral("Limite de Ocupação Máxima Individual:")),
        c("HOST", T::Texto, 50, QStringLiteral("Host:")),
        c("HOST_USU", T::Texto, 50, QStringLiteral("Usuário:")),
        c("HOST_SENHA", T::Senha, 50, QStringLiteral("Senha:")),
        c("COR1", T::Cor, 20, QStringLiteral("Cor Principal:")),
        c("COR2", T::Cor, 20, QStringLiteral("Cor Secundária:")),
        c("TEXTO_APRESENTACAO", T::Texto, 250, QStringLiteral("Texto de Apresentação:")),
        c("TEXTO_EMAIL", T::Texto, 500, QStringLiteral("Texto no Email:")),
        c("EMAIL_USU", T::Texto, 50, QStringLiteral("Email Envio:")),
        c("EMAIL_SENHA", T::Senha, 50, QStringLiteral("Senha Email Envio:")),
        c("IMAGEM_LOGO_PESQUISA", T::Arquivo, 250, QStringLiteral("Imagem Logo:")),
        c("LINK_RODAPE", T::Texto, 100, QStringLiteral("Link Rodapé:")),
        c("TEXTO_RODAPE", T::Texto, 100, QStringLiteral("Texto Rodapé:")),
        c("NOME_BD", T::Texto, 50, QStringLiteral("Banco de dados:")),
        c("USUARIO_BD", T::Texto, 50, QStringLiteral("Usuário Banco de Dados:")),
        c("SENHA_BD", T::Senha, 50, QStringLiteral("Senha Banco de Dados:")),
        c("DATAFOLHAPAG", T::DiaFolha, 2, QStringLiteral("Todo dia")),
        flag("VERIF_AUTO", QStringLiteral("Verificações Automáticas (Aviso de Pendências)")),
        flag("VERIF_CPF_CNPJ", QStringLiteral("Verificar Validade de CNPJ / CPF")),
        flag("UTILIZA_GAVETA", QStringLiteral("Utilizar Gaveta de Dinheiro")),
        flag("UTILIZA_CUPOM", QStringLiteral("Utilizar Impressora de Cupom Não-Fiscal")),
        flag("VERIF_IE", QStringLiteral("Verificar Validade de Inscrição Estadual")),
        flag("LOGORELLARGO", QStringLiteral("Logotipo nos Relatórios na Largura da Página")),
        flag("UTILIZA_FISCAL", QStringLiteral("Ativar PAF-ECF")),
        flag("CALENDARIO", QStringLiteral("Mostrar Calendário na Tela Inicial")),
        flag("ALTERA_DIARIA", QStringLiteral("Permitir Alterar o Valor da Diária Após Entrada")),
        flag("FOTO_PONTO", QStringLiteral("Capturar Imagem ao Registrar Ponto")),
        flag("PERMITIR_MARCACAO_MANUAL", QStringLiteral("Permitir Alterar a Hora na Marcação Manual do Ponto")),
        flag("TRAVAR_HOSPEDES", QStringLiteral("Travar Cadastro de Hóspedes Acompanhantes")),
        flag("LOGO_PRINCIPAL", QStringLiteral("Mostrar LogoMarca na Tela Principal")),
        flag("PONTO_DEFINIDO", QStringLiteral("Marcação de Ponto com Horários Definidos")),
        flag("DIARIA_MAIOR", QStringLiteral("Permitir Valor da Diária Maior que o Tabelado")),
        flag("ACENTOS", QStringLiteral("Permitir a Utilização de Acentuação Gráfica")),
        flag("FECHAR_CAIXA_OUTRO_PC", QStringLiteral("Fechar Caixa Apenas do PC que Abriu")),
        flag("DIARIA_CENTRAL_UH", QStringLiteral("Mostrar Coluna Valor das Diárias na Central de UHs")),
        flag("POLITICA_SEGUNDA", QStringLiteral("Segunda")),
        flag("POLITICA_TERCA", QStringLiteral("Terça")),
        flag("POLITICA_QUARTA", QStringLiteral("Quarta")),
        flag("POLITICA_QUINTA", QStringLiteral("Quinta")),
        flag("POLITICA_SEXTA", QStringLiteral("Sexta")),
        flag("POLITICA_SABADO", QStringLiteral("Sábado")),
        flag("POLITICA_DOMINGO", QStringLiteral("Domingo")),
        flag("AGRUPARCONSUMOFISCAL", QStringLiteral("Consumo Agrupado no Cupom Fiscal (Substituição Tributária)")),
        flag("CPFFONESEMFORMATO", QStringLiteral("Permitir Cadastrar Clientes Sem Fomatação de CPF e Fone")),
        flag("CLIENTE_TODOS_CAMPOS", QStringLiteral("Só permitir cadastro de clientes com Todos os campos")),
        flag("FONE_SEM_FORMATO", QStringLiteral("Telefones Sem Formatação -> (  )    -    ")),
        flag("MODO_MOTEL", QStringLiteral("Ativar Modo Motel")),
        flag("MODO_TOUCH", QStringLiteral("Modo TouchScreen")),
        flag("APENAS_ESPECIE", QStringLiteral("Pagamentos Apenas em Espécie")),
        flag("NAO_DESPESA_AVULSA", QStringLiteral("Não utilizar despesas avulsas")),
        flag("COMPROVANTE_PEQ", QStringLiteral("Impressão Extrato de Conta Comprovante Pequeno Motel")),
        flag("NFCE", QStringLiteral("Habilitar emissão de NFCe")),
        flag("ZENTROCONTROLE", QStringLiteral("Integração com Zentro Controle")),
        flag("NFCE_AP_PROD", QStringLiteral("NFCe apenas com produtos")),
        flag("PERNOITE_SEGUNDA", QStringLiteral("Segunda")),
        flag("PERNOITE_TERCA", QStringLiteral("Terça")),
        flag("PERNOITE_QUARTA", QStringLiteral("Quarta")),
        flag("PERNOITE_QUINTA", QStringLiteral("Quinta")),
        flag("PERNOITE_SEXTA", QStringLiteral("Sexta")),
        flag("PERNOITE_SABADO", QStringLiteral("Sábado")),
        flag("PERNOITE_DOMINGO", QStringLiteral("Domingo")),
    };
}

// Messages of the number edits: what is wrong and what to type instead.
QString mensagemNumero(const QString &coluna)
{
    static const QMap<QString, QString> m{
        {QStringLiteral("IMPRESSAOLARGURA"),
         QStringLiteral("Largura da Página Inválida! Informe a largura em milímetros, como 210 ou 210,5.")},
        {QStringLiteral("IMPRESSAOCOMPRIMENTO"),
         QStringLiteral("Comprimento da Página Inválido! Informe o comprimento em milímetros, como 297 ou 297,5.")},
        {QStringLiteral("LEITOS"),
         QStringLiteral("Total de Leitos Inválido! Informe um número inteiro, como 40.")},
        {QStringLiteral("DATAFOLHAPAG"),
         QStringLiteral("Dia de Cálculo da Folha de Pagamento Inválido! Informe um dia entre 1 e 31.")},
        {QStringLiteral("LIMITE_DESCONTO"),
         QStringLiteral("Limite de Desconto para Funcionários Inválido! Informe um percentual entre 0,00 e 100,00.")},
        {QStringLiteral("PERCENTUAL_POLITICA_INDIVIDUAL"),
         QStringLiteral(
             "Limite de Ocupação Máxima Individual Inválido! Informe um percentual entre 0,00 e 100,00.")},
    };
    return m.value(coluna);
}

QString semDoisPontos(QString rotulo)
{
    rotulo = rotulo.trimmed();
    if (rotulo.endsWith(QLatin1Char(':')))
        rotulo.chop(1);
    return rotulo.trimmed();
}

// The texts of the screen, completed with the stored row for the columns the
// caller did not give.
TextosTela completar(const TextosTela &textos, const Linha &registro)
{
    TextosTela r = textosDoRegistro(registro);
    for (auto it = textos.cbegin(); it != textos.cend(); ++it)
        r.insert(it.key(), it.value());
    return r;
}

// An empty text is written as NULL where the column held NULL, so that
// saving without changes leaves the row as it was.
QVariant textoParaBanco(const QString &texto, const QString &coluna, const Linha &registro)
{
    if (texto.isEmpty() && registro.contem(coluna) && registro.nulo(coluna))
        return QVariant(QMetaType::fromType<QString>());
    return texto;
}

} // namespace

const QList<Campo> &campos()
{
    static const QList<Campo> lista = montarCampos();
    return lista;
}

const Campo *campo(const QString &coluna)
{
    for (const Campo &c : campos())
        if (c.coluna == coluna)
            return &c;
    return nullptr;
}

TextosTela textosDoRegistro(const Linha &registro)
{
    TextosTela t;
    for (const Campo &c : campos()) {
        const QString &col = c.coluna;
        switch (c.tipo) {
        case Tipo::Texto:
        case Tipo::Senha:
        case Tipo::Arquivo:
        case Tipo::Cnpj:
        case Tipo::Fone:
            t.insert(col, registro.texto(col));
            break;
        case Tipo::Flag:
            t.insert(col, textoFlag(flagMarcada(registro.texto(col))));
            break;
        case Tipo::Hora: {
            const QTime h = registro.hora(col);
            t.insert(col, (h.isValid() ? h : QTime(0, 0)).toString(kFormatoHora));
            break;
        }
        case Tipo::Modelo: {
            bool ok = false;
            const int n = registro.texto(col).trimmed().toInt(&ok);
            t.insert(col, ok && n >= 0 && n <= 2 ? QString::number(n) : QString());
            break;
        }
        case Tipo::Inteiro:
        case Tipo::DiaFolha:
            t.insert(col, QString::number(registro.inteiro(col)));
            break;
        case Tipo::Pagina:
            t.insert(col, registro.nulo(col) ? QStringLiteral("0") : textoPagina(registro.dinheiro(col).centavos()));
            break;
        case Tipo::Percentual:
            t.insert(col, registro.dinheiro(col).formatado());
            break;
        case Tipo::Cor: {
            const auto cor = textoParaCor(registro.texto(col));
            t.insert(col, cor ? corParaTexto(*cor) : QString());
            break;
        }
        }
    }
    return t;
}

std::optional<Recusa> validar(const TextosTela &entrada, const Linha &registro)
{
    const TextosTela textos = completar(entrada, registro);

    // The company CNPJ, only when the stored setting asks for document checks.
    if (flagMarcada(registro.texto(QStringLiteral("VERIF_CPF_CNPJ")))) {
        const QString cnpj = semMascaraVazia(textos.value(QStringLiteral("CNPJ")));
        if (!cnpj.isEmpty() && !Valida_CNPJ(TiraPontoTracoBarra(cnpj)))
            return Recusa{QStringLiteral("CNPJ"), QStringLiteral("CNPJ Inválido!")};
    }

    for (const Campo &c : campos()) {
        const QString t = textos.value(c.coluna);
        const auto recusa = [&](const QString &m) { return Recusa{c.coluna, m}; };
        switch (c.tipo) {
        case Tipo::Texto:
        case Tipo::Senha:
        case Tipo::Arquivo:
        case Tipo::Cnpj:
        case Tipo::Fone:
            if (contarCaracteres(t) > c.largura)
                return recusa(QStringLiteral("O campo \"%1\" aceita no máximo %2 caracteres.")
                                  .arg(semDoisPontos(c.rotulo))
                                  .arg(c.largura));
            break;
        case Tipo::Flag:
            if (t != QLatin1String("S") && t != QLatin1String("N"))
                return recusa(QStringLiteral("Opção \"%1\" Inválida!").arg(c.rotulo));
            break;
        case Tipo::Hora:
            if (!QTime::fromString(t, kFormatoHora).isValid())
                return recusa(QStringLiteral("Horário \"%1\" Inválido!").arg(semDoisPontos(c.rotulo)));
            break;
        case Tipo::Modelo:
            if (!t.isEmpty() && t != QLatin1String("0") && t != QLatin1String("1") && t != QLatin1String("2"))
                return recusa(QStringLiteral("Modelo de Imagens de Fundo Inválido!"));
            break;
        case Tipo::Inteiro: {
            const auto n = lerNumeroBr(t, 0);
            if (!n || *n / 100 > std::numeric_limits<qint32>::max())
                return recusa(mensagemNumero(c.coluna));
            break;
        }
        case Tipo::DiaFolha: {
            if (t.trimmed().isEmpty())
                break;
            const auto n = lerNumeroBr(t, 0);
            if (!n || *n > 3100)
                return recusa(mensagemNumero(c.coluna));
            break;
        }
        case Tipo::Pagina: {
            const auto n = lerNumeroBr(t, 2);
            if (!n || *n > 999'999'999) // NUMERIC(9,2)
                return recusa(mensagemNumero(c.coluna));
            break;
        }
        case Tipo::Percentual: {
            const auto n = lerNumeroBr(t, 2);
            if (!n || *n > 10000)
                return recusa(mensagemNumero(c.coluna));
            break;
        }
        case Tipo::Cor:
            if (!textoParaCor(t))
                return recusa(QStringLiteral("%1 Inválida!").arg(semDoisPontos(c.rotulo)));
            break;
        }
    }
    return std::nullopt;
}

QString sqlAtualizacao()
{
    QStringList pares;
    for (const Campo &c : campos())
        pares << c.coluna + QStringLiteral(" = ?");
    return QStringLiteral("UPDATE PARAMETROS SET ") + pares.join(QStringLiteral(", "));
}

QVariantList valoresParaGravar(const TextosTela &entrada, const Linha &registro)
{
    const TextosTela textos = completar(entrada, registro);
    QVariantList v;
    v.reserve(campos().size());
    for (const Campo &c : campos()) {
        const QString t = textos.value(c.coluna);
        switch (c.tipo) {
        case Tipo::Texto:
        case Tipo::Senha:
        case Tipo::Arquivo:
            v << textoParaBanco(t, c.coluna, registro);
            break;
        case Tipo::Cnpj:
        case Tipo::Fone:
            v << textoParaBanco(semMascaraVazia(t), c.coluna, registro);
            break;
        case Tipo::Flag:
            v << textoFlag(flagMarcada(t));
            break;
        case Tipo::Hora:
            v << QTime::fromString(t, kFormatoHora);
            break;
        case Tipo::Modelo:
            // Nothing chosen (a stored value outside the list): kept as it was.
            v << (t.isEmpty() ? registro.valor(c.coluna) : QVariant(t));
            break;
        case Tipo::Inteiro:
            v << qint32(lerNumeroBr(t, 0).value_or(0) / 100);
            break;
        case Tipo::DiaFolha:
            v << qint32(t.trimmed().isEmpty() ? 0 : lerNumeroBr(t, 0).value_or(0) / 100);
            break;
        case Tipo::Pagina:
        case Tipo::Percentual:
            v << Dinheiro::deCentavos(lerNumeroBr(t, 2).value_or(0)).paraBanco();
            break;
        case Tipo::Cor:
            v << corParaTexto(textoParaCor(t).value_or(kCorPadraoPesquisa));
            break;
        }
    }
    return v;
}

std::optional<Recusa> gravar(ConexaoBanco &conexao, const TextosTela &textos, const Linha &registro)
{
    if (auto r = validar(textos, registro))
        return r;
    const QVariantList valores = valoresParaGravar(textos, registro);
    conexao.emTransacao([&] {
        if (conexao.executar(sqlAtualizacao(), valores) == 0)
            throw ErroBanco(QStringLiteral(
                "O registro de parâmetros não existe neste banco de dados. Verifique a instalação do banco."));
        RegistrarLog(conexao, QStringLiteral("Atualizou Parâmetros"));
    });
    return std::nullopt;
}

// ---------------------------------------------------------------- numbers

std::optional<qint64> lerNumeroBr(const QString &texto, int casas)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{1,3}(?:\\.\\d{3})+|\\d+)(?:,(\\d*))?$"));
    const QString t = texto.trimmed();
    const auto m = re.match(t);
    if (!m.hasMatch())
        return std::nullopt;
    QString inteira = m.captured(1);
    inteira.remove(QLatin1Char('.'));
    const QString fracao = m.captured(2);
    if (fracao.size() > casas || inteira.size() > 15)
        return std::nullopt;
    qint64 v = inteira.toLongLong() * 100;
    if (!fracao.isEmpty())
        v += fracao.leftJustified(2, QLatin1Char('0')).toLongLong();
    return v;
}

QString textoPagina(qint64 centesimos)
{
    const bool negativo = centesimos < 0;
    const qint64 a = negativo ? -centesimos : centesimos;
    QString r = QString::number(a / 100);
    const qint64 f = a % 100;
    if (f != 0) {
        QString fr = QStringLiteral("%1").arg(f, 2, 10, QLatin1Char('0'));
        if (fr.endsWith(QLatin1Char('0')))
            fr.chop(1);
        r += QLatin1Char(',') + fr;
    }
    return negativo ? QLatin1Char('-') + r : r;
}

// ---------------------------------------------------------------- masks

const QString kCnpjVazio = QStringLiteral("  .   .   /    -  ");
const QString kMascaraCnpj = QStringLiteral("99.999.999/9999-99; ");
const QString kMascaraFone = QStringLiteral("(00)9999-9999; ");

QString semMascaraVazia(const QString &texto)
{
    for (QChar ch : texto)
        if (!QStringLiteral(" .-/()").contains(ch))
            return texto;
    return QString();
}

QString mascaraFoneAoEntrar(const QString &textoAtual, bool foneSemFormato)
{
    if (foneSemFormato || !semMascaraVazia(textoAtual).isEmpty())
        return QString();
    return kMascaraFone;
}

QString tirarAspasCaminho(const QString &texto)
{
    if (texto.size() >= 2 && texto.startsWith(QLatin1Char('"')) && texto.endsWith(QLatin1Char('"')))
        return texto.mid(1, texto.size() - 2);
    return texto;
}

// ---------------------------------------------------------------- occupancy

qint64 contarUhsAtivas(ConexaoBanco &conexao)
{
    return conexao.ler(QStringLiteral("SELECT COUNT(*) AS N FROM UH WHERE EXCLUIDO = ?"), {QStringLiteral("N")})
        .inteiro(QStringLiteral("N"));
}

QString previsaoOcupacao(const QString &textoPercentual, qint64 uhs)
{
    qint64 quantos = 0;
    if (const auto p = lerNumeroBr(textoPercentual, 2); p && uhs > 0)
        quantos = (uhs * *p + 5000) / 10000;
    return QStringLiteral("% (%1 UH's)").arg(quantos);
}

// ---------------------------------------------------------------- colours

const QList<CorNomeada> &coresNomeadas()
{
    static const QList<CorNomeada> lista{
        {QStringLiteral("clBlack"), 0x000000, QStringLiteral("Preto")},
        {QStringLiteral("clMaroon"), 0x000080, QStringLiteral("Marrom")},
        {QStringLiteral("clGreen"), 0x008000, QStringLiteral("Verde")},
        {QStringLiteral("clOlive"), 0x008080, QStringLiteral("Oliva")},
        {QStringLiteral("clNavy"), 0x800000, QStringLiteral("Azul-marinho")},
        {QStringLiteral("clPurple"), 0x800080, QStringLiteral("Roxo")},
        {QStringLiteral("clTeal"), 0x808000, QStringLiteral("Azul-petróleo")},
        {QStringLiteral("clGray"), 0x808080, QStringLiteral("Cinza")},
        {QStringLiteral("clSilver"), 0xC0C0C0, QStringLiteral("Prata")},
        {QStringLiteral("clRed"), 0x0000FF, QStringLiteral("Vermelho")},
        {QStringLiteral("clLime"), 0x00FF00, QStringLiteral("Verde-limão")},
        {QStringLiteral("clYellow"), 0x00FFFF, QStringLiteral("Amarelo")},
        {QStringLiteral("clBlue"), 0xFF0000, QStringLiteral("Azul")},
        {QStringLiteral("clFuchsia"), 0xFF00FF, QStringLiteral("Fúcsia")},
        {QStringLiteral("clAqua"), 0xFFFF00, QStringLiteral("Água")},
        {QStringLiteral("clWhite"), 0xFFFFFF, QStringLiteral("Branco")},
        {QStringLiteral("clMoneyGreen"), 0xC0DCC0, QStringLiteral("Verde-dinheiro")},
        {QStringLiteral("clSkyBlue"), 0xF0CAA6, QStringLiteral("Azul-celeste")},
        {QStringLiteral("clCream"), 0xF0FBFF, QStringLiteral("Creme")},
        {QStringLiteral("clMedGray"), 0xA4A0A0, QStringLiteral("Cinza-médio")},
        // colours of the Windows scheme: kept by name, not offered in the box
        {QStringLiteral("clScrollBar"), 0xFF000000, {}},
        {QStringLiteral("clBackground"), 0xFF000001, {}},
        {QStringLiteral("clActiveCaption"), 0xFF000002, {}},
        {QStringLiteral("clInactiveCaption"), 0xFF000003, {}},
        {QStringLiteral("clMenu"), 0xFF000004, {}},
        {QStringLiteral("clWindow"), 0xFF000005, {}},
        {QStringLiteral("clWindowFrame"), 0xFF000006, {}},
        {QStringLiteral("clMenuText"), 0xFF000007, {}},
        {QStringLiteral("clWindowText"), 0xFF000008, {}},
        {QStringLiteral("clCaptionText"), 0xFF000009, {}},
        {QStringLiteral("clActiveBorder"), 0xFF00000A, {}},
        {QStringLiteral("clInactiveBorder"), 0xFF00000B, {}},
        {QStringLiteral("clAppWorkSpace"), 0xFF00000C, {}},
        {QStringLiteral("clHighlight"), 0xFF00000D, {}},
        {QStringLiteral("clHighlightText"), 0xFF00000E, {}},
        {QStringLiteral("clBtnFace"), 0xFF00000F, {}},
        {QStringLiteral("clBtnShadow"), 0xFF000010, {}},
        {QStringLiteral("clGrayText"), 0xFF000011, {}},
        {QStringLiteral("clBtnText"), 0xFF000012, {}},
        {QStringLiteral("clInactiveCaptionText"), 0xFF000013, {}},
        {QStringLiteral("clBtnHighlight"), 0xFF000014, {}},
        {QStringLiteral("cl3DDkShadow"), 0xFF000015, {}},
        {QStringLiteral("cl3DLight"), 0xFF000016, {}},
        {QStringLiteral("clInfoText"), 0xFF000017, {}},
        {QStringLiteral("clInfoBk"), 0xFF000018, {}},
        {QStringLiteral("clHotLight"), 0xFF00001A, {}},
        {QStringLiteral("clGradientActiveCaption"), 0xFF00001B, {}},
        {QStringLiteral("clGradientInactiveCaption"), 0xFF00001C, {}},
        {QStringLiteral("clMenuHighlight"), 0xFF00001D, {}},
        {QStringLiteral("clMenuBar"), 0xFF00001E, {}},
        {QStringLiteral("clNone"), 0x1FFFFFFF, {}},
        {QStringLiteral("clDefault"), 0x20000000, {}},
    };
    return lista;
}

std::optional<quint32> textoParaCor(const QString &texto)
{
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (const CorNomeada &c : coresNomeadas())
        if (c.nome.compare(t, Qt::CaseInsensitive) == 0)
            return c.valor;
    // A number: "$hex", "0xhex" or decimal, as a 32-bit signed value.
    bool ok = false;
    if (t.startsWith(QLatin1Char('$')) || t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const QString hex = t.mid(t.startsWith(QLatin1Char('$')) ? 1 : 2);
        if (hex.isEmpty() || hex.size() > 8)
            return std::nullopt;
        const quint32 v = hex.toUInt(&ok, 16);
        return ok ? std::optional<quint32>(v) : std::nullopt;
    }
    const qint64 v = t.toLongLong(&ok, 10);
    if (!ok || v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return quint32(qint32(v));
}

QString corParaTexto(quint32 cor)
{
    for (const CorNomeada &c : coresNomeadas())
        if (c.valor == cor)
            return c.nome;
    return QStringLiteral("$%1").arg(cor, 8, 16, QLatin1Char('0')).toUpper();
}

quint32 corParaRgb(quint32 cor)
{
    if ((cor & 0xFF000000) == 0)
        return cor;
    switch (cor) {
    case 0xFF000005: // window
    case 0xFF00000E: // highlight text
    case 0xFF000014: // button highlight
        return 0xFFFFFF;
    case 0xFF000007: // texts
    case 0xFF000008:
    case 0xFF000009:
    case 0xFF000012:
    case 0xFF000017:
        return 0x000000;
    case 0xFF00000D: // highlight
        return 0xD77800;
    case 0xFF00000F: // button face
        return 0xF0F0F0;
    default:
        return 0xC0C0C0;
    }
}

} // namespace ParametrosRegras
