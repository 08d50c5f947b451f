#!/usr/bin/python3
"""Loopback SMTP peer of the mail tests.

Usage: servidor-smtp.py PASTA USUARIO SENHA [--tls CERT CHAVE] [--porta N]

Listens on 127.0.0.1 (a free port unless --porta is given), with TLS from
the first byte when --tls is given. One account may log in (AUTH PLAIN or
LOGIN, also without TLS); mail is refused before it. Each message is written
to PASTA as NNNN.eml (the bytes received) and NNNN.env (envelope: the sender
on the first line, then one recipient a line); every AUTH attempt adds a line
"login ok|falhou" to PASTA/auth.log. A recipient with "recusa" in its address
is refused with "550 5.1.1 Caixa postal inexistente". Prints "PORTA n" when
ready and runs until SIGTERM/SIGINT.
"""
import os
import signal
import socket
import ssl
import sys
import threading
import warnings

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword


warnings.filterwarnings("ignore")


def porta_livre():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Caixa:
    def __init__(self, pasta):
        self.pasta = pasta
        self.n = 0
        self.trava = threading.Lock()

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if "recusa" in address:
            return "550 5.1.1 Caixa postal inexistente"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        with self.trava:
            self.n += 1
            base = os.path.join(self.pasta, "%04d" % self.n)
        with open(base + ".eml.tmp", "wb") as f:
            f.write(envelope.original_content or envelope.content)
        with open(base + ".env", "w", encoding="utf-8") as f:
            f.write(envelope.mail_from + "\n")
            for r in envelope.rcpt_tos:
                f.write(r + "\n")
        os.rename(base + ".eml.tmp", base + ".eml")
        return "250 2.0.0 Mensagem aceita"


def main():
    args = sys.argv[1:]
    if len(args) < 3:
        sys.exit(__doc__)
    pasta, usuario, senha = args[:3]
    resto = args[3:]
    contexto = None
    porta = 0
    while resto:
        if resto[0] == "--tls":
            contexto = ssl.SSLContext(ssl.PROTOCOL_TLS)
            contexto.minimum_version = ssl.TLSVersion.TLSv1_2
            contexto.load_cert_chain(resto[1], resto[2])
            resto = resto[3:]
        elif resto[0] == "--porta":
            porta = int(resto[1])
            resto = resto[2:]
        else:
            sys.exit("opção desconhecida: " + resto[0])
    if porta == 0:
        porta = porta_livre()
    log_auth = os.path.join(pasta, "auth.log")

    def autenticar(server, session, envelope, mechanism, auth_data):
        ok = (isinstance(auth_data, LoginPassword)
              and auth_data.login.decode() == usuario
              and auth_data.password.decode() == senha)
        with open(log_auth, "a", encoding="utf-8") as f:
            login = auth_data.login.decode(errors="replace") if isinstance(auth_data, LoginPassword) else "?"
            f.write("%s %s\n" % (login, "ok" if ok else "falhou"))
        # handled=False: the server itself answers 235 or 535
        return AuthResult(success=ok, handled=False)

    controle = Controller(Caixa(pasta), hostname="127.0.0.1", port=porta, ssl_context=contexto,
                          authenticator=autenticar, auth_require_tls=False, auth_required=True)
    controle.start()
    print("PORTA %d" % porta, flush=True)
    parar = threading.Event()
    signal.signal(signal.SIGTERM, lambda *a: parar.set())
    signal.signal(signal.SIGINT, lambda *a: parar.set())
    while not parar.wait(0.5):
        pass
    controle.stop()


if __name__ == "__main__":
    main()
