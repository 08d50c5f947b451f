#include "base/Janela.h"

#include <QCoreApplication>

namespace Janela {

void Servico::atualizarAlertas(bool) {}
void Servico::controleMouse() {}
QString Servico::painel(int) const { return {}; }
QString Servico::nomeEmpresa() const { return {}; }
void Servico::mostrarIconeChat(bool) {}
void Servico::fechar() {}
void Servico::encerrarPrograma() { QCoreApplication::exit(0); }
bool Servico::encerrado() const { return false; }
bool Servico::abrirTela(const QString &) { return false; }
void Servico::progressoMostrar(int) {}
void Servico::progressoMaximo(int) {}
void Servico::progressoAvancar(int) {}
void Servico::progressoEsconder() {}

namespace {
Servico g_vazio;
Servico *g_servico = nullptr;
} // namespace

void instalar(Servico *servico) { g_servico = servico; }
Servico &servico() { return g_servico ? *g_servico : g_vazio; }

Progresso::Progresso(int maximo) { servico().progressoMostrar(maximo); }
Progresso::~Progresso() { servico().progressoEsconder(); }
void Progresso::definirMaximo(int maximo) { servico().progressoMaximo(maximo); }
void Progresso::avancar(int passos) { servico().progressoAvancar(passos); }

} // namespace Janela
