-- Official tax-code tables read by the CST/CSOSN, NCM and CEST lookups and by
-- the CEST suggestion of the product record. The rows below are a subset that
-- suits a hotel and its restaurant; database/fiscal-codes.md tells how to load
-- the complete official lists (scripts/load-fiscal-codes).

-- CST (ICMS tax situation, regular regime) and CSOSN (Simples Nacional).
-- The lookup takes characters 8-9 of a text that starts with "CST" and
-- characters 9-11 of one that starts with "CSOSN", hence the fixed layouts
-- 'CST  - 00' and 'CSOSN - 101'.
CREATE TABLE CST (
  ID_CST         INTEGER NOT NULL,
  COD_CST        VARCHAR(20) NOT NULL,
  DESCRICAO_CST  VARCHAR(150),
  CONSTRAINT PK_CST PRIMARY KEY (ID_CST),
  CONSTRAINT UQ_CST_COD_CST UNIQUE (COD_CST)
);
CREATE GENERATOR GEN_ID_CST;

-- TIPI: NCM codes (digits only: chapter, position, subposition or item) with
-- their descriptions and IPI rates. EX is the "Ex" number of an exception line
-- (same NCM, its own rate). ALIQUOTA_IPI NULL: a chapter, position or
-- subposition line, or an item that is not taxed ("NT").
CREATE TABLE TIPI (
  ID_TIPI       INTEGER NOT NULL,
  NCM           VARCHAR(8) NOT NULL,
  EX            VARCHAR(3),
  DESCRICAO     VARCHAR(1100) NOT NULL,
  ALIQUOTA_IPI  NUMERIC(9,2),
  CONSTRAINT PK_TIPI PRIMARY KEY (ID_TIPI)
);
CREATE INDEX IX_TIPI_NCM ON TIPI (NCM);
-- Descriptions are too long for a plain index; searches by the start of a
-- description use this expression: UPPER(SUBSTRING(DESCRICAO FROM 1 FOR 250)).
CREATE INDEX IX_TIPI_DESCRICAO ON TIPI COMPUTED BY (UPPER(SUBSTRING(DESCRICAO FROM 1 FOR 250)));
CREATE GENERATOR GEN_ID_TIPI;

-- CEST: one row per CEST code and NCM prefix (an entry of the official table
-- that lists several NCMs becomes several rows). Both codes digits only, so
-- that the product record can look a CEST up by the first n digits of an NCM.
CREATE TABLE TAB_CEST (
  ID_TAB_CEST  INTEGER NOT NULL,
  CEST         VARCHAR(7) NOT NULL,
  NCM          VARCHAR(8) NOT NULL,
  DESCRICAO    VARCHAR(512) NOT NULL,
  CONSTRAINT PK_TAB_CEST PRIMARY KEY (ID_TAB_CEST)
);
CREATE INDEX IX_TAB_CEST_CEST ON TAB_CEST (CEST);
CREATE INDEX IX_TAB_CEST_NCM ON TAB_CEST (NCM);
CREATE INDEX IX_TAB_CEST_DESCRICAO ON TAB_CEST COMPUTED BY (UPPER(SUBSTRING(DESCRICAO FROM 1 FOR 250)));
CREATE GENERATOR GEN_ID_TAB_CEST;

SET TERM ^ ;

CREATE TRIGGER CST_BI FOR CST ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_CST IS NULL) THEN NEW.ID_CST = GEN_ID(GEN_ID_CST, 1);
END^

CREATE TRIGGER TIPI_BI FOR TIPI ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_TIPI IS NULL) THEN NEW.ID_TIPI = GEN_ID(GEN_ID_TIPI, 1);
END^

CREATE TRIGGER TAB_CEST_BI FOR TAB_CEST ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_TAB_CEST IS NULL) THEN NEW.ID_TAB_CEST = GEN_ID(GEN_ID_TAB_CEST, 1);
END^

SET TERM ; ^


-- CST, table B (ICMS tax situation)
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CST  - 00', 'Tributada integralmente');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CST  - 02', 'Tributação monofásica própria sobre combustíveis');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CST  - 10', 'Tributada e com cobrança do ICMS por substituição tributária');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CST  - 15', 'Tributação monofásica própria e com responsabilidade pela retenção sobre combustíveis');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CST  - 20', 'Com redução de base de cálculo');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CST  - 30', 'Isenta ou não tributada e com cobrança do ICMS por substituição tributária');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CST  - 40', 'Isenta');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CST  - 41', 'Não tributada');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CST  - 50', 'Suspensão');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CST  - 51', 'Diferimento');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CST  - 53', 'Tributação monofásica sobre combustíveis com recolhimento diferido');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CST  - 60', 'ICMS cobrado anteriormente por substituição tributária');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CST  - 61', 'Tributação monofásica sobre combustíveis cobrada anteriormente');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CST  - 70', 'Com redução de base de cálculo e cobrança do ICMS por substituição tributária');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CST  - 90', 'Outras');

-- CSOSN (companies under the Simples Nacional)
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CSOSN - 101', 'Tributada pelo Simples Nacional com permissão de crédito');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CSOSN - 102', 'Tributada pelo Simples Nacional sem permissão de crédito');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CSOSN - 103', 'Isenção do ICMS no Simples Nacional para faixa de receita bruta');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CSOSN - 201', 'Tributada pelo Simples Nacional com permissão de crédito e com cobrança do ICMS por substituição tributária');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CSOSN - 202', 'Tributada pelo Simples Nacional sem permissão de crédito e com cobrança do ICMS por substituição tributária');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CSOSN - 203', 'Isenção do ICMS no Simples Nacional para faixa de receita bruta e com cobrança do ICMS por substituição tributária');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CSOSN - 300', 'Imune');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CSOSN - 400', 'Não tributada pelo Simples Nacional');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CSOSN - 500', 'ICMS cobrado anteriormente por substituição tributária (substituído) ou por antecipação');
INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('CSOSN - 900', 'Outros');

-- TIPI (excerpt: foods, drinks, hygiene and cleaning items)
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02', NULL, 'Carnes e miudezas, comestíveis.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0201', NULL, 'Carnes de animais da espécie bovina, frescas ou refrigeradas.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02011000', NULL, '- Carcaças e meias-carcaças', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('020120', NULL, '- Outras peças não desossadas', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02012010', NULL, 'Quartos compensados', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02012020', NULL, 'Quartos dianteiros', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02012030', NULL, 'Quartos traseiros', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02012090', NULL, 'Outras', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02013000', NULL, '- Desossadas', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0202', NULL, 'Carnes de animais da espécie bovina, congeladas.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02021000', NULL, '- Carcaças e meias-carcaças', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02023000', NULL, '- Desossadas', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0203', NULL, 'Carnes de animais da espécie suína, frescas, refrigeradas ou congeladas.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02031', NULL, '- Frescas ou refrigeradas:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02031100', NULL, '-- Carcaças e meias-carcaças', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02031200', NULL, '-- Pernas, pás e respectivos pedaços, não desossados', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02031900', NULL, '-- Outras', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02032', NULL, '- Congeladas:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02032100', NULL, '-- Carcaças e meias-carcaças', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02032200', NULL, '-- Pernas, pás e respectivos pedaços, não desossados', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02032900', NULL, '-- Outras', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0207', NULL, 'Carnes e miudezas, comestíveis, de aves da posição 01.05, frescas, refrigeradas ou congeladas.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02071', NULL, '- De galos e de galinhas:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02071100', NULL, '-- Não cortadas em pedaços, frescas ou refrigeradas', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02071200', NULL, '-- Não cortadas em pedaços, congeladas', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02071300', NULL, '-- Pedaços e miudezas, frescos ou refrigerados', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02071400', NULL, '-- Pedaços e miudezas, congelados', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0210', NULL, 'Carnes e miudezas, comestíveis, salgadas ou em salmoura, secas ou defumadas; farinhas e pós, comestíveis, de carnes ou de miudezas.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('02102000', NULL, '- Carnes da espécie bovina', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('03', NULL, 'Peixes e crustáceos, moluscos e outros invertebrados aquáticos.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0302', NULL, 'Peixes frescos ou refrigerados, exceto os filés de peixes e outra carne de peixes da posição 03.04.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0303', NULL, 'Peixes congelados, exceto os filés de peixes e outra carne de peixes da posição 03.04.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0304', NULL, 'Filés de peixes e outra carne de peixes (mesmo picada), frescos, refrigerados ou congelados.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('03043100', NULL, '-- Tilápias (Oreochromis spp.)', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('03046100', NULL, '-- Tilápias (Oreochromis spp.)', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('03047400', NULL, '-- Merluzas (Merluccius spp., Urophycis spp.)', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0306', NULL, 'Crustáceos, mesmo sem casca, vivos, frescos, refrigerados, congelados, secos, salgados ou em salmoura; crustáceos fumados (defumados), mesmo sem casca, mesmo cozidos antes ou durante a defumação; crustáceos com casca, cozidos em água ou vapor, mesmo refrigerados, congelados, secos, salgados ou em salmoura; farinhas, pós e pellets, de crustáceos, próprios para alimentação humana.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04', NULL, 'Leite e laticínios; ovos de aves; mel natural; produtos comestíveis de origem animal, não especificados nem compreendidos noutros Capítulos.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0401', NULL, 'Leite e creme de leite (nata), não concentrados nem adicionados de açúcar ou de outros edulcorantes.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04011', NULL, '- Com um teor, em peso, de matérias gordas, não superior a 1%:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04011010', NULL, 'Leite UHT ("Ultra High Temperature")', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04011090', NULL, 'Outros', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04012', NULL, '- Com um teor, em peso, de matérias gordas, superior a 1%, mas não superior a 6%:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04012010', NULL, 'Leite UHT ("Ultra High Temperature")', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04012090', NULL, 'Outros', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0402', NULL, 'Leite e creme de leite (nata), concentrados ou adicionados de açúcar ou de outros edulcorantes.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04022', NULL, '- Em pó, grânulos ou outras formas sólidas, com um teor, em peso, de matérias gordas, superior a 1,5%:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('040221', NULL, '-- Sem adição de açúcar ou de outros edulcorantes', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04022110', NULL, 'Leite integral', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04029', NULL, '- Outros:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04029900', NULL, '-- Outros', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0403', NULL, 'Leitelho, leite e creme de leite coalhados, iogurte, quefir e outros leites e cremes de leite fermentados ou acidificados, mesmo concentrados ou adicionados de açúcar ou de outros edulcorantes, ou aromatizados ou adicionados de frutas ou de cacau.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04032000', NULL, '- Iogurte', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04039000', NULL, '- Outros', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0405', NULL, 'Manteiga e outras matérias gordas provenientes do leite; pastas de barrar (espalhar) de produtos provenientes do leite.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04051000', NULL, '- Manteiga', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0406', NULL, 'Queijos e requeijão.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('040610', NULL, '- Queijos frescos (não curados), incluindo o queijo de soro de leite, e requeijão', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04061010', NULL, 'Mussarela', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04061090', NULL, 'Outros', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04063000', NULL, '- Queijos fundidos, exceto ralados ou em pó', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0407', NULL, 'Ovos de aves, com casca, frescos, conservados ou cozidos.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04072', NULL, '- Outros ovos frescos:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04072100', NULL, '-- De galinhas da espécie Gallus domesticus', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('04090000', NULL, 'Mel natural.', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('07', NULL, 'Produtos hortícolas, plantas, raízes e tubérculos, comestíveis.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0701', NULL, 'Batatas, frescas ou refrigeradas.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('07019000', NULL, '- Outras', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('07020000', NULL, 'Tomates, frescos ou refrigerados.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0705', NULL, 'Alfaces (Lactuca sativa) e chicórias (Cichorium spp.), frescas ou refrigeradas.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('07051100', NULL, '-- Repolhadas', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0706', NULL, 'Cenouras, nabos, beterrabas para saladas, cercefi, aipo-rábano, rabanetes e raízes comestíveis semelhantes, frescos ou refrigerados.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('07061000', NULL, '- Cenouras e nabos', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('07070000', NULL, 'Pepinos e pepininhos (cornichons), frescos ou refrigerados.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0709', NULL, 'Outros produtos hortícolas, frescos ou refrigerados.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('07093000', NULL, '- Berinjelas', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0714', NULL, 'Raízes de mandioca, de araruta e de salepo, tupinambos, batatas-doces e raízes ou tubérculos semelhantes com elevado teor de fécula ou de inulina, frescos, refrigerados, congelados ou secos, mesmo cortados em pedaços ou em pellets; medula de sagueiro.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('07141000', NULL, '- Raízes de mandioca', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('08', NULL, 'Frutas; cascas de frutos cítricos e de melões.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0804', NULL, 'Tâmaras, figos, abacaxis (ananases), abacates, goiabas, mangas e mangostões, frescos ou secos.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('08043000', NULL, '- Abacaxis (ananases)', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('080450', NULL, '- Goiabas, mangas e mangostões', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('08045020', NULL, 'Mangas', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0805', NULL, 'Frutos cítricos, frescos ou secos.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('08051000', NULL, '- Laranjas', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('08055000', NULL, '- Limões (Citrus limon, Citrus limonum) e limas (Citrus aurantifolia, Citrus latifolia)', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0806', NULL, 'Uvas frescas ou secas (passas).', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('08061000', NULL, '- Frescas', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0807', NULL, 'Melões, melancias e mamões (papaias), frescos.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('08072000', NULL, '- Mamões (papaias)', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0808', NULL, 'Maçãs, peras e marmelos, frescos.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('08081000', NULL, '- Maçãs', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('09', NULL, 'Café, chá, mate e especiarias.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0901', NULL, 'Café, mesmo torrado ou descafeinado; cascas e películas de café; sucedâneos do café que contenham café em qualquer proporção.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('09011', NULL, '- Café não torrado:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('090111', NULL, '-- Não descafeinado', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('09011110', NULL, 'Em grão', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('09012', NULL, '- Café torrado:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('09012100', NULL, '-- Não descafeinado', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('09012200', NULL, '-- Descafeinado', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0902', NULL, 'Chá, mesmo aromatizado.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('09021000', NULL, '- Chá verde (não fermentado) em embalagens imediatas de conteúdo não superior a 3 kg', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('09024000', NULL, '- Chá preto (fermentado) e chá parcialmente fermentado, apresentados de qualquer outra forma', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('0903', NULL, 'Mate.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('09030010', NULL, 'Simplesmente cancheado', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('09030090', NULL, 'Outros', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('10', NULL, 'Cereais.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('1006', NULL, 'Arroz.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('100630', NULL, '- Arroz semibranqueado ou branqueado, mesmo polido ou brunido (glaceado)', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('10063011', NULL, 'Parboilizado, polido ou brunido', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('10063021', NULL, 'Polido ou brunido', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('11', NULL, 'Produtos da indústria de moagem; malte; amidos e féculas; inulina; glúten de trigo.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('1101', NULL, 'Farinhas de trigo ou de mistura de trigo com centeio (méteil).', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('11010010', NULL, 'De trigo', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('11010020', NULL, 'De mistura de trigo com centeio (méteil)', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('1106', NULL, 'Farinhas, sêmolas e pós, dos legumes de vagem, secos, da posição 07.13, de sagu ou das raízes ou tubérculos da posição 07.14 e dos produtos do Capítulo 8.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('11062000', NULL, '- De sagu ou das raízes ou tubérculos da posição 07.14', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('15', NULL, 'Gorduras e óleos animais, vegetais ou de origem microbiana e produtos da sua dissociação; gorduras alimentares elaboradas; ceras de origem animal ou vegetal.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('1507', NULL, 'Óleo de soja e respectivas frações, mesmo refinados, mas não quimicamente modificados.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('150790', NULL, '- Outros', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('15079011', NULL, 'Em recipientes com capacidade inferior ou igual a 5 l', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('1509', NULL, 'Azeite de oliva e respectivas frações, mesmo refinados, mas não quimicamente modificados.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('15092000', NULL, '- Azeite de oliva extravirgem', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('1517', NULL, 'Margarina; misturas ou preparações alimentícias de gorduras ou de óleos animais, vegetais ou de origem microbiana, ou de frações das diferentes gorduras ou óleos do presente Capítulo, exceto as gorduras e óleos alimentícios, e respectivas frações, da posição 15.16.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('15171000', NULL, '- Margarina, exceto a margarina líquida', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('151790', NULL, '- Outras', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('15179010', NULL, 'Misturas de óleos refinados, em recipientes com capacidade inferior ou igual a 5 l', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('16', NULL, 'Preparações de carne, de peixes, de crustáceos, de moluscos, de outros invertebrados aquáticos ou de insetos.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('16010000', NULL, 'Enchidos e produtos semelhantes, de carne, de miudezas, de sangue ou de insetos; preparações alimentícias à base de tais produtos.', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('1602', NULL, 'Outras preparações e conservas de carne, de miudezas, de sangue ou de insetos.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('16024', NULL, '- Da espécie suína:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('16024100', NULL, '-- Pernas e respectivos pedaços', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('16025000', NULL, '- Da espécie bovina', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('1604', NULL, 'Preparações e conservas de peixes; caviar e seus sucedâneos preparados a partir de ovas de peixe.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('160413', NULL, '-- Sardinhas, sardinelas e espadilhas', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('16041310', NULL, 'Sardinhas', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('160414', NULL, '-- Atuns, bonitos-listrados e bonitos (Sarda spp.)', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('16041410', NULL, 'Atuns', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('17', NULL, 'Açúcares e produtos de confeitaria.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('1701', NULL, 'Açúcares de cana ou de beterraba e sacarose quimicamente pura, no estado sólido.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('17011', NULL, '- Açúcares em bruto sem adição de aromatizantes ou de corantes:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('17011400', NULL, '-- Outros açúcares de cana', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('17019', NULL, '- Outros:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('17019900', NULL, '-- Outros', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('1704', NULL, 'Produtos de confeitaria sem cacau (incluindo o chocolate branco).', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('170490', NULL, '- Outros', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('17049010', NULL, 'Chocolate branco', 3.25);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('17049020', NULL, 'Bombons, balas, caramelos, confeitos e pastilhas', 3.25);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('18', NULL, 'Cacau e suas preparações.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('1806', NULL, 'Chocolate e outras preparações alimentícias que contenham cacau.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('18061000', NULL, '- Cacau em pó, com adição de açúcar ou de outros edulcorantes', 3.25);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('18063', NULL, '- Outros, em tabletes, barras e paus:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('180631', NULL, '-- Recheados', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('18063110', NULL, 'Chocolate', 3.25);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('180632', NULL, '-- Não recheados', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('18063210', NULL, 'Chocolate', 3.25);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('18069000', NULL, '- Outros', 3.25);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('19', NULL, 'Preparações à base de cereais, farinhas, amidos, féculas ou leite; produtos de pastelaria.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('1901', NULL, 'Extratos de malte; preparações alimentícias de farinhas, grumos, sêmolas, amidos, féculas ou de extratos de malte, não contendo cacau ou contendo menos de 40%, em peso, de cacau, calculado sobre uma base totalmente desengordurada, não especificadas nem compreendidas noutras posições; preparações alimentícias de produtos das posições 04.01 a 04.04, não contendo cacau ou contendo menos de 5%, em peso, de cacau, calculado sobre uma base totalmente desengordurada, não especificadas nem compreendidas noutras posições.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('19012000', NULL, '- Misturas e pastas para a preparação de produtos de padaria, pastelaria e da indústria de bolachas e biscoitos, da posição 19.05', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('1902', NULL, 'Massas alimentícias, mesmo cozidas ou recheadas (de carne ou de outras substâncias) ou preparadas de outro modo, tais como espaguete, macarrão, aletria, lasanha, nhoque, raviole e canelone; cuscuz, mesmo preparado.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('19021', NULL, '- Massas alimentícias não cozidas, nem recheadas, nem preparadas de outro modo:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('19021100', NULL, '-- Que contenham ovos', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('19021900', NULL, '-- Outras', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('19023000', NULL, '- Outras massas alimentícias', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('1904', NULL, 'Produtos à base de cereais, obtidos por expansão ou por torrefação (flocos de milho (corn flakes), por exemplo); cereais (exceto milho) em grãos ou sob a forma de flocos ou de outros grãos trabalhados (com exceção da farinha, do grumo e da sêmola), pré-cozidos ou preparados de outro modo, não especificados nem compreendidos noutras posições.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('19041000', NULL, '- Produtos à base de cereais, obtidos por expansão ou por torrefação', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('1905', NULL, 'Produtos de padaria, pastelaria ou da indústria de bolachas e biscoitos, mesmo adicionados de cacau; hóstias, cápsulas vazias dos tipos utilizados em medicamentos, obreias, pastas secas de farinha, amido ou fécula, em folhas, e produtos semelhantes.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('190520', NULL, '- Pão de especiarias', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('19052010', NULL, 'Panetone', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('19052090', NULL, 'Outros', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('19053', NULL, '- Bolachas e biscoitos adicionados de edulcorante; waffles e wafers:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('19053100', NULL, '-- Bolachas e biscoitos, adicionados de edulcorante', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('19053200', NULL, '-- Waffles e wafers', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('19054000', NULL, '- Torradas, pão torrado e produtos semelhantes torrados', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('190590', NULL, '- Outros', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('19059010', NULL, 'Pão de forma', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('19059020', NULL, 'Bolachas e biscoitos', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('19059090', NULL, 'Outros', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('20', NULL, 'Preparações de produtos hortícolas, de frutas ou de outras partes de plantas.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('2001', NULL, 'Produtos hortícolas, frutas e outras partes comestíveis de plantas, preparados ou conservados em vinagre ou em ácido acético.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('20019000', NULL, '- Outros', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('2002', NULL, 'Tomates preparados ou conservados, exceto em vinagre ou em ácido acético.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('20021000', NULL, '- Tomates inteiros ou em pedaços', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('2004', NULL, 'Outros produtos hortícolas preparados ou conservados, exceto em vinagre ou em ácido acético, congelados, com exceção dos produtos da posição 20.06.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('20041000', NULL, '- Batatas', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('2005', NULL, 'Outros produtos hortícolas preparados ou conservados, exceto em vinagre ou em ácido acético, não congelados, com exceção dos produtos da posição 20.06.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('20052000', NULL, '- Batatas', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('20055100', NULL, '-- Feijões em grão', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('20057000', NULL, '- Azeitonas', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('20058000', NULL, '- Milho doce (Zea mays var. saccharata)', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('2008', NULL, 'Frutas e outras partes comestíveis de plantas, preparadas ou conservadas de outro modo, com ou sem adição de açúcar ou de outros edulcorantes ou de álcool, não especificadas nem compreendidas noutras posições.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('20081100', NULL, '-- Amendoins', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('2009', NULL, 'Sucos (sumos) de fruta (incluindo os mostos de uvas e a água de coco) ou de produtos hortícolas, não fermentados, sem adição de álcool, com ou sem adição de açúcar ou de outros edulcorantes.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('20091', NULL, '- Sucos (sumos) de laranja:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('20091100', NULL, '-- Congelados', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('20091200', NULL, '-- Não congelados, com um valor Brix não superior a 20', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('20091900', NULL, '-- Outros', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('20099000', NULL, '- Misturas de sucos (sumos)', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('21', NULL, 'Preparações alimentícias diversas.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('2101', NULL, 'Extratos, essências e concentrados de café, chá ou de mate e preparações à base destes produtos ou à base de café, chá ou de mate; chicória torrada e outros sucedâneos torrados do café e respectivos extratos, essências e concentrados.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('210111', NULL, '-- Extratos, essências e concentrados', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('21011110', NULL, 'Café solúvel, mesmo descafeinado', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('21011200', NULL, '-- Preparações à base de extratos, essências ou concentrados ou à base de café', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('2103', NULL, 'Preparações para molhos e molhos preparados; condimentos e temperos compostos; farinha de mostarda e mostarda preparada.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('210310', NULL, '- Molho de soja', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('21031010', NULL, 'Em embalagens imediatas de conteúdo inferior ou igual a 1 kg', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('210320', NULL, '- Ketchup e outros molhos de tomate', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('21032010', NULL, 'Em embalagens imediatas de conteúdo inferior ou igual a 1 kg', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('210390', NULL, '- Outros', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('21039011', NULL, 'Em embalagens imediatas de conteúdo inferior ou igual a 1 kg', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('2105', NULL, 'Sorvetes, mesmo que contenham cacau.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('21050010', NULL, 'Em embalagens imediatas de conteúdo inferior ou igual a 2 kg', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('21050090', NULL, 'Outros', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('2106', NULL, 'Preparações alimentícias não especificadas nem compreendidas noutras posições.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('210690', NULL, '- Outras', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('21069010', NULL, 'Preparações dos tipos utilizados para elaboração de bebidas', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('21069010', '01', 'Ex 01 - Preparações compostas, não alcoólicas (extratos concentrados ou sabores concentrados), para elaboração de bebida da posição 22.02, com capacidade de diluição superior a 10 partes da bebida para cada parte do concentrado', 8);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('21069090', NULL, 'Outras', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('22', NULL, 'Bebidas, líquidos alcoólicos e vinagres.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('2201', NULL, 'Águas, incluindo as águas minerais, naturais ou artificiais, e as águas gaseificadas, não adicionadas de açúcar ou de outros edulcorantes nem aromatizadas; gelo e neve.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('22011000', NULL, '- Águas minerais e águas gaseificadas', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('22019000', NULL, '- Outros', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('2202', NULL, 'Águas, incluindo as águas minerais e as águas gaseificadas, adicionadas de açúcar ou de outros edulcorantes ou aromatizadas e outras bebidas não alcoólicas, exceto sucos (sumos) de fruta ou de produtos hortícolas da posição 20.09.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('22021000', NULL, '- Águas, incluindo as águas minerais e as águas gaseificadas, adicionadas de açúcar ou de outros edulcorantes ou aromatizadas', 2.6);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('22029', NULL, '- Outras:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('22029100', NULL, '-- Cerveja sem álcool', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('22029900', NULL, '-- Outras', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('22030000', NULL, 'Cervejas de malte.', 3.9);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('2204', NULL, 'Vinhos de uvas frescas, incluindo os vinhos enriquecidos com álcool; mostos de uvas, excluindo os da posição 20.09.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('220410', NULL, '- Vinhos espumantes e vinhos espumosos', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('22041010', NULL, 'Tipo champanha (champagne)', 6.5);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('22041090', NULL, 'Outros', 6.5);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('22042', NULL, '- Outros vinhos; mostos de uvas cuja fermentação tenha sido impedida ou interrompida por adição de álcool:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('22042100', NULL, '-- Em recipientes de capacidade não superior a 2 l', 6.5);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('2208', NULL, 'Álcool etílico não desnaturado, com um teor alcoólico em volume inferior a 80% vol; aguardentes, licores e outras bebidas espirituosas.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('22082000', NULL, '- Aguardentes de vinho ou de bagaço de uvas', 19.5);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('220830', NULL, '- Uísques', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('22084000', NULL, '- Rum e outras aguardentes provenientes da destilação, após fermentação, de produtos da cana-de-açúcar', 16.25);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('22085000', NULL, '- Gim e genebra', 19.5);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('22086000', NULL, '- Vodca', 19.5);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('22087000', NULL, '- Licores', 13);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('22090000', NULL, 'Vinagres e seus sucedâneos obtidos a partir do ácido acético.', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('33', NULL, 'Óleos essenciais e resinoides; produtos de perfumaria ou de toucador preparados e preparações cosméticas.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('3303', NULL, 'Perfumes e águas-de-colônia.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('33030010', NULL, 'Perfumes (extratos)', 27.3);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('33030020', NULL, 'Águas-de-colônia', 7.8);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('3305', NULL, 'Preparações capilares.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('33051000', NULL, '- Xampus', 4.55);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('33059000', NULL, '- Outras', 4.55);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('3306', NULL, 'Preparações para higiene bucal ou dentária, incluindo os pós e cremes para facilitar a aderência de dentaduras; fios utilizados para limpar os espaços interdentais (fios dentais), em embalagens individuais para venda a retalho.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('33061000', NULL, '- Dentifrícios', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('33062000', NULL, '- Fios utilizados para limpar os espaços interdentais (fios dentais)', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('33069000', NULL, '- Outras', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('3307', NULL, 'Preparações para barbear (antes, durante e após), desodorantes (desodorizantes) corporais, preparações para banhos, depilatórios, outros produtos de perfumaria ou de toucador preparados e outras preparações cosméticas, não especificados nem compreendidos noutras posições; desodorantes (desodorizantes) de ambiente, preparados, mesmo não perfumados, mesmo com propriedades desinfetantes.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('33071000', NULL, '- Preparações para barbear (antes, durante e após)', 4.55);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('330720', NULL, '- Desodorantes (desodorizantes) corporais e antiperspirantes', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('33072010', NULL, 'Líquidos', 4.55);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('33072090', NULL, 'Outros', 4.55);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('33073000', NULL, '- Sais perfumados e outras preparações para banhos', 4.55);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('33074', NULL, '- Preparações para perfumar ou para desodorizar ambientes, incluindo as preparações odoríferas para cerimônias religiosas:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('33074900', NULL, '-- Outras', 22);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('34', NULL, 'Sabões, agentes orgânicos de superfície, preparações para lavagem, preparações lubrificantes, ceras artificiais, ceras preparadas, produtos de conservação e limpeza, velas e artigos semelhantes, massas ou pastas para modelar, "ceras para dentistas" e composições para dentistas à base de gesso.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('3401', NULL, 'Sabões; produtos e preparações orgânicos tensoativos utilizados como sabão, em barras, pães, pedaços ou figuras moldadas, mesmo que contenham sabão; produtos e preparações orgânicos tensoativos destinados à lavagem da pele, na forma de líquido ou de creme, acondicionados para venda a retalho, mesmo que contenham sabão; papel, pastas (ouates), feltros e falsos tecidos, impregnados, revestidos ou recobertos de sabão ou de detergentes.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('34011', NULL, '- Sabões, produtos e preparações orgânicos tensoativos, em barras, pães, pedaços ou figuras moldadas, e papel, pastas (ouates), feltros e falsos tecidos, impregnados, revestidos ou recobertos de sabão ou de detergentes:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('340111', NULL, '-- De toucador (incluindo os de uso medicinal)', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('34011190', NULL, 'Outros', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('340120', NULL, '- Sabões sob outras formas', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('34012010', NULL, 'Sabões de toucador', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('34013000', NULL, '- Produtos e preparações orgânicos tensoativos destinados à lavagem da pele, na forma de líquido ou de creme, acondicionados para venda a retalho, mesmo que contenham sabão', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('38', NULL, 'Produtos diversos das indústrias químicas.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('3808', NULL, 'Inseticidas, rodenticidas, fungicidas, herbicidas, inibidores de germinação e reguladores de crescimento para plantas, desinfetantes e produtos semelhantes, apresentados em formas ou embalagens para venda a retalho ou como preparações ou ainda sob a forma de artigos, tais como fitas, mechas e velas sulfuradas e papel mata-moscas.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('380894', NULL, '-- Desinfetantes', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('38089419', NULL, 'Outros', 5);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('38089419', '01', 'Ex 01 - Com propriedades acessórias odoríferas ou desodorizantes de ambientes, apresentados em embalagem tipo aerossol', 30);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('48', NULL, 'Papel e cartão; obras de pasta de celulose, de papel ou de cartão.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('4818', NULL, 'Papel dos tipos utilizados para papel higiênico e para fins semelhantes, pasta (ouate) de celulose ou mantas de fibras de celulose, dos tipos utilizados para fins domésticos ou sanitários, em rolos de largura não superior a 36 cm, ou cortados em formas próprias; lenços, incluindo os de desmaquilar, toalhas de mão, toalhas e guardanapos de mesa, lençóis e artigos semelhantes, para usos domésticos, de toucador, higiênicos ou hospitalares, vestuário e seus acessórios, de pasta de papel, papel, pasta (ouate) de celulose ou de mantas de fibras de celulose.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('48181000', NULL, '- Papel higiênico', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('48182000', NULL, '- Lenços, incluindo os de desmaquilar, e toalhas de mão', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('48183000', NULL, '- Toalhas e guardanapos, de mesa', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('96', NULL, 'Obras diversas.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('9603', NULL, 'Vassouras e escovas, mesmo que constituam partes de máquinas, de aparelhos ou de veículos, vassouras mecânicas de uso manual não motorizadas, pincéis e espanadores; cabeças de escovas; bonecas e rolos para pintura; rodos de borracha ou de matérias flexíveis semelhantes.', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('96032', NULL, '- Escovas de dentes, escovas e pincéis de barba, escovas para cabelos, para cílios ou para unhas e outras escovas de toucador de pessoas, incluindo as que sejam partes de aparelhos:', NULL);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('96032100', NULL, '-- Escovas de dentes, incluindo as escovas para dentaduras', 0);
INSERT INTO TIPI (NCM, EX, DESCRICAO, ALIQUOTA_IPI) VALUES ('96190000', NULL, 'Absorventes e tampões higiênicos, cueiros e fraldas para bebês e artigos semelhantes, de qualquer matéria.', 0);

-- CEST (excerpt: drinks, foods, personal hygiene)
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0200400', '220720', 'Cachaça e aguardentes');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0200400', '22084000', 'Cachaça e aguardentes');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0200800', '22085000', 'Gim (gin) e genebra');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0201000', '22087000', 'Licores e similares');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0201600', '220830', 'Uísque');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0201800', '22086000', 'Vodka');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0202400', '2204', 'Vinhos de uvas frescas, incluindo os vinhos enriquecidos com álcool; mostos de uvas.');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0300100', '22011000', 'Água mineral, gasosa ou não, ou potável, naturais, em garrafa de vidro, retornável ou não, com capacidade de até 500 ml');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0300200', '22011000', 'Água mineral, gasosa ou não, ou potável, naturais, em embalagem com capacidade igual ou superior a 5.000 ml');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0300400', '22011000', 'Água mineral, gasosa ou não, ou potável, naturais, em garrafa plástica de 1.500 ml');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0300500', '22011000', 'Água mineral, gasosa ou não, ou potável, naturais, em copos plásticos e embalagem plástica com capacidade de até 500 ml');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0300600', '22011000', 'Outras águas minerais, potáveis ou naturais, gasosas ou não, inclusive gaseificadas');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0301000', '2202', 'Refrigerante em garrafa com capacidade igual ou superior a 600 ml');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0301100', '2202', 'Demais refrigerantes');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0301300', '22029000', 'Bebidas energéticas em embalagem com capacidade inferior a 600ml');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0301500', '21069090', 'Bebidas hidroeletrolíticas (isotônicas) em embalagem com capacidade inferior a 600ml');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0301800', '22029000', 'Bebidas prontas à base de café');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0302100', '22030000', 'Cerveja');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0302200', '22029000', 'Cerveja sem álcool');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('0302300', '22030000', 'Chope');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1702100', '0403', 'Iogurte e leite fermentado em recipiente de conteúdo inferior ou igual a 2 litros');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1702400', '0406', 'Queijos');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1702500', '04051000', 'Manteiga, em embalagem de conteúdo inferior ou igual a 1 kg, exceto as embalagens individuais de conteúdo inferior ou igual a 10 g');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1703200', '20052000', 'Batata frita, inhame e mandioca fritos');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1703300', '20081', 'Amendoim e castanhas tipo aperitivo, em embalagem de conteúdo inferior ou igual a 1 kg');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1703400', '21032010', 'Catchup em embalagens imediatas de conteúdo inferior ou igual a 650 g, exceto as embalagens contendo envelopes individualizados (sachês) de conteúdo inferior ou igual a 10 g');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1703800', '21033021', 'Mostarda preparada em embalagens imediatas de conteúdo inferior ou igual a 650 g, exceto as embalagens contendo envelopes individualizados (sachês) de conteúdo inferior ou igual a 10 g');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1703900', '21039011', 'Maionese em embalagens imediatas de conteúdo inferior ou igual a 650 g, exceto as embalagens contendo envelopes individualizados (sachês) de conteúdo inferior ou igual a 10 g');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1705300', '190531', 'Biscoitos e bolachas derivados de farinha de trigo; exceto dos tipos "cream cracker", "água e sal", "maisena", "maria" e outros de consumo popular, não adicionados de cacau, nem recheados, cobertos ou amanteigados, independentemente de sua denominação comercial');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1705600', '19059020', 'Biscoitos e bolachas dos tipos "cream cracker", "água e sal", "maisena" e "maria" e outros de consumo popular, não adicionados de cacau, nem recheados, cobertos ou amanteigados, independentemente de sua denominação comercial');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1705900', '190540', 'Torradas, pão torrado e produtos semelhantes torrados');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1706000', '19059010', 'Outros pães de forma');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1706500', '15079011', 'Óleo de soja refinado, em recipientes com capacidade inferior ou igual a 5 litros, exceto as embalagens individuais de conteúdo inferior ou igual a 15 mililitros');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1706700', '1509', 'Azeites de oliva, em recipientes com capacidade inferior ou igual a 2 litros, exceto as embalagens individuais de conteúdo inferior ou igual a 15 mililitros');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1707700', '16010000', 'Salsicha e linguiça');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1707800', '16010000', 'Mortadela');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1708100', '1604', 'Sardinha em conserva');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1709600', '0901', 'Café torrado e moído, em embalagens de conteúdo inferior ou igual a 2 kg');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1709700', '0902', 'Chá, mesmo aromatizado');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1709800', '090300', 'Mate');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1709900', '17019900', 'Açúcar refinado, em embalagens de conteúdo inferior ou igual a 2 kg, exceto as embalagens contendo envelopes individualizados (sachês) de conteúdo inferior ou igual a 10 g');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1710100', '17011', 'Açúcar cristal, em embalagens de conteúdo inferior ou igual a 2 kg, exceto as embalagens contendo envelopes individualizados (sachês) de conteúdo inferior ou igual a 10 g');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('1710700', '21011', 'Extratos, essências e concentrados de café e preparações à base destes extratos, essências ou concentrados ou à base de café, em embalagens de conteúdo inferior ou igual a 500 g');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2001700', '33051000', 'Xampus para o cabelo');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2002100', '33059000', 'Condicionadores');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2002300', '33061000', 'Dentifrícios');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2002400', '33062000', 'Fios utilizados para limpar os espaços interdentais (fios dentais)');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2002500', '33069000', 'Outras preparações para higiene bucal ou dentária');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2002600', '33071000', 'Preparações para barbear (antes, durante ou após)');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2002700', '33072010', 'Desodorantes (desodorizantes) corporais líquidos');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2002900', '33072090', 'Outros desodorantes (desodorizantes) corporais');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2003400', '34011190', 'Sabões de toucador em barras, pedaços ou figuras moldados');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2003700', '34013000', 'Produtos e preparações orgânicos tensoativos para lavagem da pele, na forma de líquido ou de creme, acondicionados para venda a retalho, mesmo contendo sabão');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2004200', '48181000', 'Papel higiênico - folha simples');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2004300', '48181000', 'Papel higiênico - folha dupla e tripla');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2004400', '48182000', 'Lenços (incluídos os de maquilagem) e toalhas de mão');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2004600', '48183000', 'Toalhas e guardanapos de mesa');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2004800', '96190000', 'Fraldas');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2005000', '96190000', 'Absorventes higiênicos externos');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2005100', '56012190', 'Hastes flexíveis (uso não medicinal)');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2005800', '96032100', 'Escovas de dentes, incluídas as escovas para dentaduras');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2006400', '82121020', 'Aparelhos e lâminas de barbear');
INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('2006400', '82122010', 'Aparelhos e lâminas de barbear');
