// The official maximum depreciation rates. Texts are UTF-8; notes longer than their field are
// kept whole here and cut when stored.
#include "core/rates/TaxRateRows.h"

namespace {

const TaxRateRow kRows[] = {
    // 1
    {"", "第一組．樓宇及其他建築物", "Grupo I - Edif. e outras construções", 0, 0, true,
     "",
     "Grupo I - Edifícios e outras construções"},
    // 2
    {"1.1", "居住，商業及行政樓宇(批租地)", "Edif. habit., comerciais e admini.", 200, 50, false,
     "",
     "Edifícios habitacionais, comerciais e administrativos"},
    // 3
    {"1.1", "居住，商業及行政樓宇(私家地)", "Edif. habit., comerciais e admini.", 160, 50, false,
     "",
     "Edifícios habitacionais, comerciais e administrativos"},
    // 4
    {"1.2", "工業樓宇(批租地)", "Edifícios industriais", 400, 25, false,
     "工業樓宇(批租地) (包括車房，加油站，停車場綜合設備之部份建築、酒店及同類者，及貨倉)",
     "Edifícios industriais (inclui garagens, estações de serviço, silos automóveis, construções integradas em equipamentos colectivos, hotéis e símilares e armazéns)"},
    // 5
    {"1.2", "工業樓宇(私家地)", "Edifícios industriais", 320, 25, false,
     "工業樓宇(私家地) (包括車房，加油站，停車場綜合設備之部份建築、酒店及同類者，及貨倉)",
     "Edifícios industriais (inclui garagens, estações de serviço, silos automóveis, construções integradas em equipamentos colectivos, hotéis e símilares e armazéns)"},
    // 6
    {"1.3", "輕型建築物(纖維，木材，鋅鐵等)", "Edificações ligeiras", 2000, 5, false,
     "",
     "Edificações ligeiras (de fibrocimento, madeira, zinco, etc.)"},
    // 7
    {"1.4", "金屬造之液體儲存庫(包括燃料)", "Reservatórios metálicos para líquidos", 1000, 10, false,
     "",
     "Reservatórios metálicos para líquidos (incluindo combustíveis)"},
    // 8
    {"1.5", "金屬及三合土造之碼頭", "Cais de atracagem metálicos e em betao", 1429, 7, false,
     "",
     ""},
    // 9
    {"1.6", "其他樓宇及建築物", "Outras edificações e construções", 833, 12, false,
     "",
     ""},
    // 10
    {"", "第二組．設施", "Instalações", 0, 0, true,
     "",
     ""},
    // 11
    {"2.1", "中央冷暖氣系統(包括冷藏庫)", "Sistemas centrais de refri. e de aque.", 1429, 7, false,
     "",
     "Sistemas centrais de refrigeração e de aquecimento (inclui câmaras frigorificas)"},
    // 12
    {"2.2", "電力、氣體生產及輸送系統", "Sis. de pro. e distri. de elec. e gas", 1000, 10, false,
     "",
     "Sistemas de produção e distribuição de electricidade e gás"},
    // 13
    {"2.3", "集水與輸水系統", "Sis. de captação e de distri. de agua", 1000, 10, false,
     "",
     "Sistemas de captação e de distribuição de água"},
    // 14
    {"2.4", "滅火(灑水裝置及保安系統)", "Sistemas contra incêndio e de segurança", 1000, 10, false,
     "",
     "Sistemas contra incêndio (sprinkler) e de segurança"},
    // 15
    {"2.5", "無線廣播與電視系統", "Sistemas de radiodifusão e televisão", 1429, 7, false,
     "",
     ""},
    // 16
    {"2.6", "中央通訊，無線電話及電報系統", "Tele.,radiotelefón. e radiotelegráficos", 1000, 10, false,
     "",
     "Sistemas de centrais de telecomunicacoes, radiotelefónicos e radiotelegráficos"},
    // 17
    {"2.7", "電話通訊網及地下電纜", "Redes de telecom. e cabos subterrâneos", 500, 20, false,
     "",
     "Redes de telecomunicações e cabos subterrâneos"},
    // 18
    {"2.8", "人及貨物升降系統", "Sis. de elevação de pessoas e mercado.", 1000, 10, false,
     "人及貨物升降系統(升降機，貨物升降機，自動電梯及同類者)",
     "Sistemas de elevação de pessoas e mercadorías (ascensores, montacargas, escadas rolantes e similares)"},
    // 19
    {"2.9", "其他", "Outros não especificados", 1000, 10, false,
     "",
     ""},
    // 20
    {"", "第三組．交通工具", "Grupo 3 - Transportes", 0, 0, true,
     "",
     ""},
    // 21
    {"3.1", "飛機", "Aeronaves", 1250, 8, false,
     "",
     ""},
    // 22
    {"3.2", "任何類型船，挖泥船及駁船", "Dragas, gruas flutuantes e barcaças", 1000, 10, false,
     "",
     "Navios de qualquer tipo, dragas, gruas flutuantes e barcaças"},
    // 23
    {"3.3", "輕型車輛及電單車", "Veículos ligeiros e motociclos", 2000, 5, false,
     "",
     "Veículos ligeiros (inclui passageiros e mistos) e motociclos"},
    // 24
    {"3.4", "重型車輛(包括客車及／或貨車)", "Veículos pesados", 1666, 6, false,
     "",
     "Veículos pesados (inclui passageiros e ou carga)"},
    // 25
    {"3.5", "拖車，叉式起重機，自動傾卸車", "Rebocadores, empilhadores, veículos ...", 1429, 7, false,
     "",
     "Rebocadores, empilhadores, veículos com caixa basculante e atrelados"},
    // 26
    {"3.6", "非機動車輛", "Veículos sem motor", 2500, 4, false,
     "",
     ""},
    // 27
    {"3.9", "未指明的其它運輸或載卸用車輛", "Outros veículos de transporte, carga...", 1429, 7, false,
     "",
     "Outros veículos de transporte, carga ou descarga não especificados"},
    // 28
    {"", "第四組．傢俬，舒適及裝飾用品", "Grupo 4 - Mobi., art. de conf. e decor.", 0, 0, true,
     "",
     "Grupo 4 - Mobiliário, artigos de conforto e decoração"},
    // 29
    {"4.1", "辦公室傢俬", "Mobiliário de escritório", 2000, 5, false,
     "",
     ""},
    // 30
    {"4.2", "酒店，餐廳及同類行業之傢俬", "Mobi. de hotéis, restau. e act. simila.", 2000, 5, false,
     "",
     "Mobiliário de hotéis, restaurantes e actividades similares"},
    // 31
    {"4.3", "住宅傢俬", "Mobiliário de residências", 1666, 6, false,
     "",
     ""},
    // 32
    {"4.4", "單張地氈，地氈及同類者", "Tapetes, alcatifas e similares", 3333, 3, false,
     "",
     ""},
    // 33
    {"4.5", "裝飾品、藝術品除外", "Obj. decorativos, excluindo os de arte", 3333, 3, false,
     "",
     "Objectos decorativos, excluindo os de arte"},
    // 34
    {"4.9", "其他未列明者", "Outros não especificados", 1666, 6, false,
     "",
     ""},
    // 35
    {"", "第五組．辦公室設備", "Grupo 5 - Equipamento de escritório", 0, 0, true,
     "",
     ""},
    // 36
    {"5.1", "電腦，微型電腦及文書處理機", "Computadores, minicomp. e pro. de texto", 2500, 4, false,
     "",
     "Computadores, minicomputadores e processadores de texto"},
    // 37
    {"5.9", "其他辦公室設備", "Outro equipamento de escritório", 2000, 5, false,
     "其他辦公室設備（影印機，傳真機，微型縮影機等）",
     "Outro equipamento de escritório (fotocopiadores, facsimile, microfilmagem, etc.)"},
    // 38
    {"", "第六組．設備及機器", "Grupo 6 - Equipamento e maquinaria", 0, 0, true,
     "",
     ""},
    // 39
    {"6.1", "非電子設備及機器", "Equi. e maquin., com excepcao da elec.", 1429, 7, false,
     "",
     "Equipamento e maquinaria, com excepção da electrónica"},
    // 40
    {"6.2", "電子設備及機器", "Equipamento e maquinaria electrónica", 2000, 5, false,
     "",
     ""},
    // 41
    {"6.3", "與路政有關的器械", "Equi. com motor para movi. de terras", 1666, 6, false,
     "擺臂起重機，起重機，拖拉機，壓路機，挖掘機及其他與路政有關的器械",
     "Gruas, guindastes, tractores, motoniveladoras, escavadoras e outro equipamento com motor para movimentação de terras"},
    // 42
    {"", "第七組．儀器，工具，和器具", "Grupo 7 - Aparel., ferra. e utensilios", 0, 0, true,
     "",
     "Grupo 7 - Aparelhagens, ferramentas e utensilios"},
    // 43
    {"7.1", "不屬於第二組之空調，抽濕機", "Aparelhos de ar-con. desumidificacao...", 2000, 5, false,
     "不屬於第二組所指之空氣調節機，抽濕機，暖氣機，通風裝置及冷藏機",
     "Aparelhos de ar-condicionado, desumidificação, aquecimento, ventilação ou frigorificos quando não integrados nos sistemas referidos no grupo 2"},
    // 44
    {"7.2", "視聽器材，電子儀器，精密器材", "", 2500, 4, false,
     "視聽器材，電子儀器，實驗室儀器及精密器材，測量及控制器材",
     ""},
    // 45
    {"7.3", "刀叉，餐具及廚房用具", "Talheres, baixelas e uten. de cozinha", 5000, 2, false,
     "刀叉，餐具及廚房用具(酒店、餐廳及同類者，其由第七組7.3與第八組8.8所指之物件可以作為“消耗材料”項目之盤存，並按期進行盤點作更正)",
     "Talheres, baixelas e utensilios de cozinha (Os hotéis, restaurantes e actividades similares podem considerar os elementos referidos nos pontos 7.3 e 8.8 com existências, sob a rubrica \"materiais de consumo\", a regularizar em cada contagem fisica periódica.)"},
    // 46
    {"7.9", "工具及特別用途之器具", "Ferramentas e uten. de uso especifico", 3333, 3, false,
     "",
     "Ferramentas e utensilios de uso especifico"},
    // 47
    {"", "第八組．其他部份", "Grupo 8 - Elementos diversos", 0, 0, true,
     "",
     ""},
    // 48
    {"8.1", "菲林，唱片及卡式帶", "Filmes, discos e cassetes", 2500, 4, false,
     "",
     ""},
    // 49
    {"8.2", "運輸用金屬貨櫃箱", "Contentores metálicos para transporte", 1250, 8, false,
     "",
     ""},
    // 50
    {"8.3", "容器及其他運輸包裝箱", "Vasilhame e outras embalagens", 3333, 3, false,
     "",
     "Vasilhame e outras embalagens de transporte conexas"},
    // 51
    {"8.4", "電腦程序", "Programas de computador", 3333, 3, false,
     "",
     ""},
    // 52
    {"8.5", "鑄模，字粒，工模及硬幣鑄模", "Moldes, matrizes, formas e cunhos", 3333, 3, false,
     "",
     ""},
    // 53
    {"8.6", "滅火及安全用具(滅火筒和其他)", "Material de incêndio e de segurança", 3333, 3, false,
     "",
     "Material de incêndio e de segurança (extintores e outros)"},
    // 54
    {"8.8", "衣服，毛巾類，瓷器及玻璃器皿", "Roupas,atoalhados,louça e obj. de vidro", 5000, 2, false,
     "衣服，毛巾類，瓷器及玻璃器皿(酒店、餐廳及同類者，其由第七組7.3與第八組8.8所指之物件可以作為“消耗材料”項目之盤存，並按期進行盤點作更正)",
     "Roupas, atoalhados, louça e objectos de vidro (Os hotéis, restaurantes e actividades similares podem considerar os elementos referidos nos pontos 7.3 e 8.8 com existências, sob a rubrica \"materiais de consumo\", a regularizar em cada contagem fisica periódica.)"},
    // 55
    {"", "第九組．無形資產及遞延費用", "Grupo 9 - Imobi. incor. e custos pluri.", 0, 0, true,
     "",
     "Grupo 9 - Imobilizações incorpóreas e custos plurienais"},
    // 56
    {"9.1", "初期遞延費用", "", 3333, 3, false,
     "初期遞延費用(開辦費，市場調查，研究宣傳費和其它初期費用)",
     ""},
    // 57
    {"9.2", "非初期之遞延費用", "Gastos plurienais não iniciais", 3333, 3, false,
     "非初期之遞延費用(資本增加，企業在法律地位上的變更，債券的發行，市場調查，宣傳運動，改組或改良之研究，取得或自行生產此等資產所引致的財政負擔，即使在有關年度仍未被利用等)",
     "Gastos plurienais não iniciais (despesas com aumento de capital, transformação jurídica das sociedades, emissão de obrigações, prospecção e campanhas publicitárias, estudos de reorganização ou racionalização, encargos financeiros com a aquisição ou produção própria do imobilizado correspondente ao período em que os respectivos bens não estiverem em funcionamento, etc.)"},
    // 58
    {"9.3", "裝修工程及遞延保養", "Obras de decoração e conser. plurienal", 3333, 3, false,
     "",
     "Obras de decoração e conservação plurienal"},
    // 59
    {"9.4", "專利權", "Patentes", 1000, 10, false,
     "",
     ""},
    // 60
    {"9.5", "轉移", "Trespasses", 0, 0, false,
     "轉移\r\n\r\n實際損耗倘經適當證明，並在Corvel認為合理的尺度下，有關價值的攤折將予以接受。",
     "Trespasses\r\n\r\nA amortização será aceite em caso de deperecimento efectivo devidamente comprovado, dentro dos limites que a Corvel considere razoaveis."},
    // 61
    {"9.6", "商標", "Marcas", 0, 0, false,
     "商標\r\n\r\n實際損耗倘經適當證明，並在Corvel認為合理的尺度下，有關價值的攤折將予以接受。",
     "Marcas\r\n\r\nA amortização será aceite em caso de deperecimento efectivo devidamente comprovado, dentro dos limites que a Corvel considere razoaveis."},
    // 62
    {"9.7", "牌照，准照，批給及其他權利", "Alvarás,licen.,conces. e outros direi.", 0, 0, false,
     "牌照，准照，批給及其他權利\r\n\r\n實際損耗倘經適當證明，並在Corvel認為合理的尺度下，有關價值的攤折將予以接受。",
     "Alvarás, licenças, concessões e outros direitos\r\n\r\nA amortização será aceite em caso de deperecimento efectivo devidamente comprovado, dentro dos limites que a Corvel considere razoaveis."},
    // 63
    {"", "第十組．並不包括在上組的資產", "Grupo 0 - Bens não inc. nos grupos ant.", 0, 0, true,
     "",
     "Grupo 0 - Bens não incluídos nos grupos anteriores"},
    // 64
    {"0.0", "納稅人必須提出其認為最適當的攤折率...", "O contribuinte devera propor a taxa...", 0, 0, true,
     "納稅人必須提出其認為最適當的攤折率，並解釋其理由。Corvel根據合理的標準接受所提出之價值。\r\n\r\n實際損耗倘經適當證明，並在Corvel認為合理的尺度下，有關價值的攤折將予以接受。",
     "O contribuinte deverá propor a taxa de amortização que lhe parecer mais adequada explicitando os seus fundamentos. \r\nA Corvel aceitará o valor proposto segundo um critério de razoabilidade.\r\n\r\nA amortização será aceite em caso de deperecimento efectivo devidamente comprovado, dentro dos limites que a Corvel considere razoaveis."},
};

}  // namespace

std::span<const TaxRateRow> TaxMaxReintAmorRows()
{
    return kRows;
}
