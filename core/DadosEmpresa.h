#pragma once
// The company data file ("*.zentrod"): one text scrambled with Crypt whose
// lines carry the company's data. Read by the settings screen's "Carregar
// Dados"; never written by the system.
#include <QList>
#include <QPair>
#include <QString>

class TFrmParametros;

namespace DadosEmpresa {

inline const QString kMsgArquivoInvalido = QStringLiteral("Arquivo de Dados da Empresa Inválido!");
inline const QString kFiltro = QStringLiteral("Arquivos Zentro Dados (*.zentrod)");
inline const QString kExtensao = QStringLiteral("zentrod");

struct Leitura {
    // Settings column and value, in the order the fields are filled.
    QList<QPair<QString, QString>> campos;
    // False when the file could not be read or has fewer lines than needed
    // (the fields read up to that point are still given).
    bool completo = false;
};

// The lines of the unscrambled text, numbered from 0.
Leitura interpretar(const QString &textoClaro);
// Reads, trims and unscrambles a file.
Leitura ler(const QString &arquivo);

// The settings screen's command: asks for the file and fills the company
// edits; an invalid file shows the message after filling what it could.
void carregarNaTela(TFrmParametros &tela);

} // namespace DadosEmpresa
