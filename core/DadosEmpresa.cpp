#include "core/DadosEmpresa.h"
#include "base/Erros.h"
#include "base/Mensagem.h"
#include "base/Rotinas.h"
#include "base/Telas.h"
#include "core/UnitParametros.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QRegularExpression>

namespace DadosEmpresa {

Leitura interpretar(const QString &textoClaro)
{
    static const QRegularExpression quebra(QStringLiteral("\r\n|\r|\n"));
    const QStringList l = textoClaro.split(quebra);
    Leitura r;
    auto linha = [&](int i, QString &v) {
        if (i >= l.size())
            return false;
        v = l.at(i);
        return true;
    };
    struct Passo {
        const char *coluna;
        std::function<bool(QString &)> valor;
    };
    const Passo passos[] = {
        {"RAZAO_SOCIAL", [&](QString &v) { return linha(1, v); }},
        {"NOME_FANTASIA", [&](QString &v) { return linha(2, v); }},
        {"CNPJ", [&](QString &v) { return linha(3, v); }},
        {"ENDERECO",
         [&](QString &v) {
             QString rua, numero;
             if (!linha(5, rua) || !linha(6, numero))
                 return false;
             v = rua + QStringLiteral(", ") + numero;
             return true;
         }},
        {"CIDADE",
         [&](QString &v) {
             if (!linha(8, v))
                 return false;
             v = RemoveAcento(v);
             return true;
         }},
        {"UF", [&](QString &v) { return linha(9, v); }},
        {"FONE1", [&](QString &v) { return linha(11, v); }},
        {"FONE2", [&](QString &v) { return linha(12, v); }},
        {"FAX", [&](QString &v) { return linha(13, v); }},
        {"EMAIL", [&](QString &v) { return linha(14, v); }},
    };
    for (const Passo &p : passos) {
        QString v;
        if (!p.valor(v))
            return r;
        r.campos.append({QString::fromLatin1(p.coluna), v});
    }
    r.completo = true;
    return r;
}

Leitura ler(const QString &arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QString cifrado = QString::fromLatin1(f.readAll()).trimmed();
    if (cifrado.isEmpty())
        return {};
    try {
        return interpretar(Crypt(QStringLiteral("D"), cifrado));
    } catch (const ErroSistema &) {
        return {};
    }
}

void carregarNaTela(TFrmParametros &tela)
{
    QFileDialog d(&tela, QString(), QString(), kFiltro);
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    d.setDefaultSuffix(kExtensao);
    if (Telas::executar(&d, typeid(QFileDialog)) != QDialog::Accepted || d.selectedFiles().isEmpty())
        return;
    const Leitura r = ler(d.selectedFiles().constFirst());
    for (const auto &c : r.campos)
        if (auto *e = qobject_cast<QLineEdit *>(tela.controle(c.first)))
            e->setText(c.second);
    if (!r.completo)
        Mensagem::erro(kMsgArquivoInvalido);
}

} // namespace DadosEmpresa
