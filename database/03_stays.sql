-- Guest stays: the stay with its guests, vehicles and charged nights, the
-- consumption charged to it, the stock items and minibar products placed in
-- its room, and the on-account bills left at check-out.
--
-- Children point to their stay through ID_ENTRADA (= WALK_IN.ID_WALK_IN).
-- A new stay's children are stored against the key the stay form reserves
-- before the WALK_IN row exists, so the key triggers fill a key only when
-- the insert leaves it out.

-- ---------------------------------------------------------------------------
-- Stays
-- ---------------------------------------------------------------------------
CREATE TABLE WALK_IN (
  ID_WALK_IN          INTEGER NOT NULL,
  ID_RESERVA          INTEGER DEFAULT 0 NOT NULL,        -- 0 = no reservation
  DATA_ENTRADA        DATE,
  HORA_ENTRADA        TIME,
  DATA_SAIDA          DATE,                              -- expected while open, real after check-out
  HORA_SAIDA          TIME,
  ID_CLIENTE          INTEGER,
  ID_UH               INTEGER,
  QTD_ADULTOS         INTEGER,
  VALOR_DIARIA        NUMERIC(15,2) DEFAULT 0 NOT NULL,
  BAIXA               CHAR(1) DEFAULT 'N' NOT NULL,      -- N open, S closed
  EXCLUIDO            CHAR(1) DEFAULT 'N' NOT NULL,      -- S cancelled
  MOTIVO              VARCHAR(200),                      -- reason of the cancellation
  OBS                 VARCHAR(250),
  -- amounts received per means of payment (advances, items paid at once, check-out)
  DINHEIRO            NUMERIC(15,2) DEFAULT 0 NOT NULL,
  VISA                NUMERIC(15,2) DEFAULT 0 NOT NULL,
  DEBVISA             NUMERIC(15,2) DEFAULT 0 NOT NULL,
  MASTER              NUMERIC(15,2) DEFAULT 0 NOT NULL,
  DEBMASTER           NUMERIC(15,2) DEFAULT 0 NOT NULL,
  HIPER               NUMERIC(15,2) DEFAULT 0 NOT NULL,
  CHEQUE              NUMERIC(15,2) DEFAULT 0 NOT NULL,  -- "Pix / Chq"
  NOTA                NUMERIC(15,2) DEFAULT 0 NOT NULL,  -- left on account
  ADIANTADO           NUMERIC(15,2) DEFAULT 0 NOT NULL,  -- paid before check-out
  DESCONTO            NUMERIC(18,2) DEFAULT 0 NOT NULL,
  ACRESCIMO           NUMERIC(18,2) DEFAULT 0 NOT NULL,
  FORMA_PAG           VARCHAR(30),
  NF                  CHAR(1) DEFAULT 'N' NOT NULL,      -- S = manual invoice issued
  USUARIO_ENTRADA     VARCHAR(10),                       -- login of the check-in
  USUARIO             VARCHAR(10),                       -- login of the check-out
  FUNCIONARIO_LIMPEZA INTEGER DEFAULT 0 NOT NULL,        -- housekeeper, 0 = none
  CONSTRAINT PK_WALK_IN PRIMARY KEY (ID_WALK_IN)
);

CREATE GENERATOR GEN_ID_WALK_IN;

SET TERM ^ ;
CREATE TRIGGER WALK_IN_BI FOR WALK_IN ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_WALK_IN IS NULL) THEN NEW.ID_WALK_IN = GEN_ID(GEN_ID_WALK_IN, 1);
END^
SET TERM ; ^

-- open stays (room map, nightly posting, lists) and the stays of a room
CREATE INDEX IDX_WALK_IN_BAIXA_EXCLUIDO ON WALK_IN (BAIXA, EXCLUIDO);
CREATE INDEX IDX_WALK_IN_UH ON WALK_IN (ID_UH);
CREATE INDEX IDX_WALK_IN_CLIENTE ON WALK_IN (ID_CLIENTE);
CREATE INDEX IDX_WALK_IN_DATA_ENTRADA ON WALK_IN (DATA_ENTRADA);
CREATE INDEX IDX_WALK_IN_DATA_SAIDA ON WALK_IN (DATA_SAIDA);
-- the open stay of a room: room map, open-stay list, free rooms (one lookup
-- per room instead of crossing the room's stays with every open one)
CREATE INDEX IDX_WALK_IN_UH_ABERTA ON WALK_IN (ID_UH, BAIXA, EXCLUIDO);

-- ---------------------------------------------------------------------------
-- Guests of a stay; a name beginning with "=" marks the responsible guest
-- ---------------------------------------------------------------------------
CREATE TABLE HOSPEDE (
  ID_HOSPEDE  INTEGER NOT NULL,
  NOME        VARCHAR(90),
  ID_ENTRADA  INTEGER NOT NULL,
  BAIXA       CHAR(1) DEFAULT 'N' NOT NULL,              -- S after check-out
  CONSTRAINT PK_HOSPEDE PRIMARY KEY (ID_HOSPEDE)
);

CREATE GENERATOR GEN_ID_HOSPEDE;

SET TERM ^ ;
CREATE TRIGGER HOSPEDE_BI FOR HOSPEDE ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_HOSPEDE IS NULL) THEN NEW.ID_HOSPEDE = GEN_ID(GEN_ID_HOSPEDE, 1);
END^
SET TERM ; ^

CREATE INDEX IDX_HOSPEDE_ENTRADA ON HOSPEDE (ID_ENTRADA);
CREATE INDEX IDX_HOSPEDE_BAIXA ON HOSPEDE (BAIXA);
-- a stay's guests in the order they were written (statement): without it the
-- engine walks the whole primary key to return them in key order
CREATE INDEX IDX_HOSPEDE_ENTRADA_ID ON HOSPEDE (ID_ENTRADA, ID_HOSPEDE);

-- ---------------------------------------------------------------------------
-- Guests' vehicles
-- ---------------------------------------------------------------------------
CREATE TABLE VEICULO (
  ID_VEICULO  INTEGER NOT NULL,
  MODELO      VARCHAR(30),
  PLACA       VARCHAR(8),
  ID_ENTRADA  INTEGER NOT NULL,
  BAIXA       CHAR(1) DEFAULT 'N' NOT NULL,              -- S after check-out
  CONSTRAINT PK_VEICULO PRIMARY KEY (ID_VEICULO)
);

CREATE GENERATOR GEN_ID_VEICULO;

SET TERM ^ ;
CREATE TRIGGER VEICULO_BI FOR VEICULO ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_VEICULO IS NULL) THEN NEW.ID_VEICULO = GEN_ID(GEN_ID_VEICULO, 1);
END^
SET TERM ; ^

CREATE INDEX IDX_VEICULO_ENTRADA ON VEICULO (ID_ENTRADA);

-- ---------------------------------------------------------------------------
-- Charged nights: one row per night of a stay; every night count and
-- occupancy figure is taken from here
-- ---------------------------------------------------------------------------
CREATE TABLE OCUPACAO (
  ID_OCUPACAO INTEGER NOT NULL,
  ID_ENTRADA  INTEGER NOT NULL,
  DATA        DATE,
  VALOR       NUMERIC(15,2) DEFAULT 0 NOT NULL,
  QTD         INTEGER,                                   -- persons
  ADICIONAL   CHAR(1),                                   -- S = motel night with additional hours
  CONSTRAINT PK_OCUPACAO PRIMARY KEY (ID_OCUPACAO)
);

CREATE GENERATOR GEN_ID_OCUPACAO;

SET TERM ^ ;
CREATE TRIGGER OCUPACAO_BI FOR OCUPACAO ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_OCUPACAO IS NULL) THEN NEW.ID_OCUPACAO = GEN_ID(GEN_ID_OCUPACAO, 1);
END^
SET TERM ; ^

CREATE INDEX IDX_OCUPACAO_ENTRADA_DATA ON OCUPACAO (ID_ENTRADA, DATA);
CREATE INDEX IDX_OCUPACAO_DATA ON OCUPACAO (DATA);
-- a stay's nights in key order (statement)
CREATE INDEX IDX_OCUPACAO_ENTRADA_ID ON OCUPACAO (ID_ENTRADA, ID_OCUPACAO);

-- ---------------------------------------------------------------------------
-- Consumption charged to a stay
-- ---------------------------------------------------------------------------
CREATE TABLE DESPESA_UH (
  ID_DESPESA_UH INTEGER NOT NULL,
  ID_ENTRADA    INTEGER NOT NULL,
  ID_P_S        INTEGER,
  QTD           INTEGER,
  VALOR_UNIT    NUMERIC(15,2) DEFAULT 0 NOT NULL,
  TAXA          NUMERIC(9,2) DEFAULT 0 NOT NULL,         -- service fee in percent
  COMANDA       INTEGER DEFAULT 0,                       -- order ticket, 0 = none
  USUARIO       VARCHAR(10),
  DATA          DATE,
  HORA          TIME,
  PAGO          CHAR(1) DEFAULT 'N' NOT NULL,            -- N charged to the stay, S paid
  FORMA_PAG     VARCHAR(30) DEFAULT '',                  -- means of a line paid at once
  RESPONSAVEL   VARCHAR(90),
  DIARIA        CHAR(1) DEFAULT 'N' NOT NULL,            -- S = a night charged as consumption
  CONSTRAINT PK_DESPESA_UH PRIMARY KEY (ID_DESPESA_UH)
);

CREATE GENERATOR GEN_ID_DESPESA_UH;

SET TERM ^ ;
CREATE TRIGGER DESPESA_UH_BI FOR DESPESA_UH ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_DESPESA_UH IS NULL) THEN NEW.ID_DESPESA_UH = GEN_ID(GEN_ID_DESPESA_UH, 1);
END^
SET TERM ; ^

CREATE INDEX IDX_DESPESA_UH_ENTRADA ON DESPESA_UH (ID_ENTRADA);
CREATE INDEX IDX_DESPESA_UH_DATA ON DESPESA_UH (DATA);
-- a stay's consumption in key order (check-out, statement)
CREATE INDEX IDX_DESPESA_UH_ENTRADA_ID ON DESPESA_UH (ID_ENTRADA, ID_DESPESA_UH);

-- How a line paid at once was paid when the payment was split over several
-- means (one means alone is kept in DESPESA_UH.FORMA_PAG); removing the line
-- takes each amount back out of the cash register and the stay
CREATE TABLE DESPESA_UH_PAG (
  ID_DESPESA_UH INTEGER NOT NULL,
  FORMA_PAG     VARCHAR(30) NOT NULL,                    -- "Dinheiro", "Cartão de Crédito - Visa", ...
  VALOR         NUMERIC(15,2) DEFAULT 0 NOT NULL
);

CREATE INDEX IDX_DESPESA_UH_PAG_DESPESA ON DESPESA_UH_PAG (ID_DESPESA_UH);

-- ---------------------------------------------------------------------------
-- Stock items lent to the room during a stay (one row per addition, no key)
-- ---------------------------------------------------------------------------
CREATE TABLE ITEM_ENTRADA (
  ID_ENTRADA  INTEGER NOT NULL,
  ID_ITEM     INTEGER NOT NULL,
  QTD         INTEGER DEFAULT 0 NOT NULL
);

CREATE INDEX IDX_ITEM_ENTRADA_ENTRADA ON ITEM_ENTRADA (ID_ENTRADA, ID_ITEM);

-- ---------------------------------------------------------------------------
-- Minibar contents of the room during a stay (one row per addition, no key)
-- ---------------------------------------------------------------------------
CREATE TABLE PS_ENTRADA (
  ID_ENTRADA  INTEGER NOT NULL,
  ID_P_S      INTEGER NOT NULL,
  QTD         INTEGER DEFAULT 0 NOT NULL,
  VALOR       NUMERIC(15,2) DEFAULT 0 NOT NULL           -- unit price
);

CREATE INDEX IDX_PS_ENTRADA_ENTRADA ON PS_ENTRADA (ID_ENTRADA, ID_P_S);

-- ---------------------------------------------------------------------------
-- On-account bills left at check-out, settled later at the cash register
-- ---------------------------------------------------------------------------
CREATE TABLE NOTA (
  ID_NOTA     INTEGER NOT NULL,
  ID_ENTRADA  INTEGER NOT NULL,
  VALOR       NUMERIC(15,2) DEFAULT 0 NOT NULL,
  PAGO        CHAR(1) DEFAULT 'N' NOT NULL,              -- N open, S settled
  DATA_PAG    DATE,
  USUARIO     VARCHAR(10),                               -- login that settled it
  -- amounts received per means at settlement
  DINHEIRO    NUMERIC(15,2) DEFAULT 0 NOT NULL,
  VISA        NUMERIC(15,2) DEFAULT 0 NOT NULL,
  DEBVISA     NUMERIC(15,2) DEFAULT 0 NOT NULL,
  MASTER      NUMERIC(15,2) DEFAULT 0 NOT NULL,
  DEBMASTER   NUMERIC(15,2) DEFAULT 0 NOT NULL,
  HIPER       NUMERIC(15,2) DEFAULT 0 NOT NULL,
  CHEQUE      NUMERIC(15,2) DEFAULT 0 NOT NULL,
  FORMAPAG    VARCHAR(30),
  CONSTRAINT PK_NOTA PRIMARY KEY (ID_NOTA)
);

CREATE GENERATOR GEN_ID_NOTA;

SET TERM ^ ;
CREATE TRIGGER NOTA_BI FOR NOTA ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_NOTA IS NULL) THEN NEW.ID_NOTA = GEN_ID(GEN_ID_NOTA, 1);
END^
SET TERM ; ^

CREATE INDEX IDX_NOTA_PAGO ON NOTA (PAGO);
CREATE INDEX IDX_NOTA_ENTRADA ON NOTA (ID_ENTRADA);

-- ---------------------------------------------------------------------------
-- Hand-overs of a stay's statement to the companion programs: the pre-sale
-- document written into the point of sale ('PDV', DOCUMENTO = ORCAMENTO.CODIGO)
-- or the order with its receivable and NFC-e request written into the
-- control program ('NFCE', DOCUMENTO = PEDIDO.ID_PEDIDO). A repeat is refused
-- or confirmed from these rows.
-- ---------------------------------------------------------------------------
CREATE TABLE ENTREGA_FISCAL (
  ID_ENTREGA_FISCAL INTEGER NOT NULL,
  ID_ENTRADA        INTEGER NOT NULL,
  DESTINO           VARCHAR(4) NOT NULL,                 -- PDV or NFCE
  DOCUMENTO         INTEGER NOT NULL,
  DATA              DATE,
  HORA              TIME,
  USUARIO           VARCHAR(10),
  CONSTRAINT PK_ENTREGA_FISCAL PRIMARY KEY (ID_ENTREGA_FISCAL),
  CONSTRAINT CK_ENTREGA_FISCAL_DESTINO CHECK (DESTINO IN ('PDV', 'NFCE'))
);

CREATE GENERATOR GEN_ID_ENTREGA_FISCAL;

SET TERM ^ ;
CREATE TRIGGER ENTREGA_FISCAL_BI FOR ENTREGA_FISCAL ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_ENTREGA_FISCAL IS NULL) THEN NEW.ID_ENTREGA_FISCAL = GEN_ID(GEN_ID_ENTREGA_FISCAL, 1);
END^
SET TERM ; ^

CREATE INDEX IDX_ENTREGA_FISCAL_ENTRADA ON ENTREGA_FISCAL (ID_ENTRADA, DESTINO);

-- An installation comes with no stays: this file has no seed rows.
