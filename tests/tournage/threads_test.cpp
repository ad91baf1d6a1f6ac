// Thread tables read from real files, the pitch and thread choices, the threading details page,
// and a threading operation set up from the shipped standard tables.
#include "fixture.hpp"

namespace oru::test {
namespace {

namespace fs = std::filesystem;

class Threads : public Tournage {
protected:
    // A threading operation on diameter `diameter`, the host's depth 0.5.
    void setUpThreading(double diameter, std::string profil = "E", std::string type = "M") {
        td[12] = diameter;
        td[6] = 0.5;
        setUp(130, std::move(profil), "20_ABCDEF", std::move(type));
    }
    // Open files of the process, where the system tells them (Wine's emulated programs see
    // Wine's own).
    static long openFiles() {
#ifdef __linux__
        if (!fs::exists("/proc/self/fd")) return 0;
        return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
#else
        return 0;
#endif
    }
};

TEST_F(Threads, ExternalTableOffersThePitchesOfTheDiameterAndTheDefaultsFollow) {
    // an M8 record first: 1.25 offered by M10 but first written for M8
    writeTable("E",
               kHeader + record("M8x1.25|1.25|0.5|4|0.04|7|9") + kTable.substr(kHeader.size()));
    setUpThreading(10);  // no pitch from the host: the last one offered, with its values
    EXPECT_EQ(items("cbPas"), "1.25|1.5");
    EXPECT_EQ(texts({"cbPas", "tbNbPasseFilet", "3", "2"}), "1.5|6|0.08|0.5");  // the host's depth
    w("cbPas").setListIndex(0);  // the first record of that pitch
    EXPECT_EQ(texts({"2", "3", "tbNbPasseFilet"}), "0.5|0.04|4");

    setUpThreading(11);  // 11 is the upper bound of M10, the lower bound of M12
    EXPECT_EQ(items("cbPas"), "1.75");
    td[13] = 0.7;  // the host's pitch, shown even when no record offers it: the defaults follow it
    td[15] = 30;
    ti = {130, 10, 0, 1, 6, 0, 0, 0};  // left-hand, 6 passes
    setUpThreading(10);
    EXPECT_EQ(w("cbPas").listIndex(), -1);
    EXPECT_EQ(texts({"cbPas", "0", "1", "4", "tbNbPasseFilet", "tSensFilet"}),
              "0.7|0.7|1.4|30|6|Filet à GAUCHE");
    EXPECT_EQ(pictureOf("picFilet"), file("Filet_M_Xm.bmp"));
}

TEST_F(Threads, InternalTableOffersByTheBoreAndK) {
    writeTable("I", "nom\r\n" + record("M12x1.5|1.5|0.8119|6|0.08|10|12") +
                        record("G3/8|1.337|0.8561|6|0.07|10|12"));
    td[14] = 1;  // tapping passes its own flag: the depth stays the record's
    for (const auto& [bore, offered] : {std::pair{8.5, "1.5|0.812"}, std::pair{8.3, "|0"}}) {
        td[12] = bore;  // 8.5 + 1.0825 x 1.5 = 10.124; 8.3 gives 9.924
        setUp(180, "E", "20_ABCDEF", "M");
        EXPECT_EQ(items("cbPas") + "|" + box(2).text(), offered);
    }
}

TEST_F(Threads, TableWithoutCommentsLosesItsFirstLine) {
    writeTable("E", "M10x1\r\n" + record("M10x1.25 fin\xE9|1.25|0.7668|6|0.06|9|11"));
    setUpThreading(10);
    EXPECT_EQ(items("cbPas"), "1.25");
    w("bFiletage").click();
    EXPECT_EQ(items("lPasFilet"), "M10x1.25 fin\u00e9\tpas=      1.25\t9 <=D< 11");
}

TEST_F(Threads, FailedReadsShowTheErrorBoxWithTheFileClosed) {
    const std::string first = kHeader + record("M10x1.25|1.25|0.7668|6|0.06|9|11");
    std::string many = kHeader;
    for (int i = 0; i < 10001; ++i)
        many += record("M|1|1|1|1|1|2");
    const std::string end = "L'entrée dépasse la fin du fichier";
    const std::pair<std::string, std::string> cases[] = {
        {"", end},
        {first + "M10x1.5\r\n1.5\r\n", end},
        {first + "M10x1.5\r\n1.5\r\n1\r\n6\r\n1\r\n9\r\n11\r\n", end},
        {first + record("M10x1.5|1.5|1|six|1|9|11"), "Type incompatible"},
        {first + record("M10x1.5|1.5|1|40000|1|9|11"), "Dépassement de capacité"},
        {first + record("M10x1.5|1e999|1|6|1|9|11"), ""},
        {first + std::string("M\0x", 3) + "\r\n", "Le fichier n'est pas un fichier texte"},
        {first + std::string(2000, 'M') + "\r\n", "Ligne trop longue dans le fichier"},
        {std::string(1100000, ';'), ""},
        {many, "Trop de filets dans le fichier"},
    };
    for (const auto& [bytes, description] : cases) {
        SCOPED_TRACE(description + " " + std::to_string(bytes.size()));
        writeTable("E", bytes);
        const long before = openFiles();
        setUpThreading(10);
        EXPECT_EQ(openFiles(), before);
        const Message box = takeBox();
        EXPECT_EQ(box.title, "ERREUR ORUCN");
        EXPECT_TRUE(box.prompt.starts_with("Lecture du fichier FILET_E.DAT\r\n" + description));
    }
    writeTable("E", first + "M10x1.5\r\n");  // what was read before the failure stays
    setUpThreading(10);
    EXPECT_TRUE(boxStarts("Lecture du fichier FILET_E.DAT\r\n"));
    EXPECT_EQ(items("cbPas"), "1.25");
    EXPECT_EQ(w("cbPas").listIndex(), -1);
    EXPECT_EQ(w("tbNbPasseFilet").text(), "");  // no pitch was selected

    fs::remove(dir.path() / "user" / "Filet_E.dat");
    setUpThreading(10);
    const Message box = takeBox();  // a plain box
    EXPECT_EQ(box.style, 0);
    EXPECT_EQ(box.prompt, "Fichier " + panel.DirSld + "user\\Filet_E.dat non trouvé");
    EXPECT_EQ(items("cbPas"), "1.25");  // as it was
}

TEST_F(Threads, DetailsPageOpenedAndClosedTwice) {
    ti[1] = 13;  // approach 13 needs tbXsecu; retract E0 no tbZsecu; option "0" box 5
    setUpThreading(10);
    const auto page = {"picOper",   "bDegage", "tbXsecu", "tbZsecu",   "Line1",
                       "tDiamBrut", "0",       "1",       "3",         "4",
                       "5",         "6",       "7",       "lPasFilet", "tbNbFilet"};
    const std::string cbPas = items("cbPas");
    for (int round = 0; round < 2; ++round) {
        w("bFiletage").click();
        EXPECT_EQ(shown(page), "FFFFFFFFTFFFTTT");
        EXPECT_EQ(texts({"bFiletage"}), "<< Généralités Opération");
        EXPECT_EQ(w("bAppro", 0).toolTip(), "Filet ISO Métrique");
        EXPECT_EQ(pictureOf("bAppro:0"), "FILET_M_ON");
        EXPECT_EQ(w("lPasFilet").listCount(), 3);  // the metric records
        EXPECT_EQ(items("cbPas"), cbPas);          // not refilled on opening

        w("bFiletage").click();
        EXPECT_EQ(shown(page), "TTTFTTTTFTTFFFF");
        EXPECT_EQ(texts({"bFiletage"}), "Détails Filetage >>");
        EXPECT_EQ(w("bAppro", 3).toolTip(), "Dégagement rapide X sécurité, Approche Z puis X");
        EXPECT_EQ(pictureOf("bAppro:3"), "T_APPRO_3_ON");
    }
    ti[1] = 11;
    dir.writeBmp("Filet_T_Xm.bmp");
    setUpThreading(10, "I", "T");  // inside: no fourth approach button on the general page
    EXPECT_FALSE(w("bAppro", 3).visible());
    w("bFiletage").click();
    EXPECT_TRUE(w("bAppro", 3).visible());
    EXPECT_EQ(pictureOf("bAppro:2"), "FILET_T_ON");
    EXPECT_EQ(items("lPasFilet"), "Tr10x2\tpas=         2\t9 <=D< 11");
    w("bFiletage").click();
    EXPECT_FALSE(w("bAppro", 3).visible());
    EXPECT_EQ(panel.GetTypeFilet(), "T");
}

// No threading layout places the flank angle box: the details page puts it beside its label,
// wherever an earlier operation (here a drilling, which uses box 7) had left it.
TEST_F(Threads, DetailsPagePlacesTheFlankAngleBoxBesideItsLabel) {
    td[12] = 10;
    setUp(141, "E");
    ASSERT_EQ(w("tbPara", 7).left(), 5040);
    setUpThreading(10);
    w("bFiletage").click();
    EXPECT_TRUE(w("tbPara", 7).visible());
    EXPECT_EQ(w("tbPara", 7).left(), 2400);
    EXPECT_EQ(w("tbPara", 7).top(), 120);
}

TEST_F(Threads, ThreadTypeAndThreadChoicesOnTheDetailsPage) {
    setUpThreading(20);
    w("bAppro", 1).click();  // general page: still an approach button
    EXPECT_EQ(panel.GetTypeAppro(), 11);
    w("bFiletage").click();
    dir.writeBmp("FILET_G_Xm.BMP");
    w("bAppro", 1).click();
    EXPECT_EQ(panel.GetTypeFilet(), "G");
    EXPECT_EQ(panel.GetTypeAppro(), 11);  // a thread type, not an approach
    EXPECT_EQ(pictures({"bAppro:0", "bAppro:1"}), "FILET_M_OFF|FILET_G_ON");
    EXPECT_EQ(pictureOf("picFilet"), file("FILET_G_Xm.BMP"));
    EXPECT_EQ(texts({"tFiletage", "7", "cbPas", "tbNbPasseFilet"}), "FILET GAZ|27.5|1.814|7");
    EXPECT_EQ(items("lPasFilet"), "G1/2\tpas=     1.814\t18.81 <=D<= 21.93");
    EXPECT_EQ(items("cbPas"), "1.814");

    w("bAppro", 0).click();
    w("lPasFilet").setListIndex(2);  // M12x1.75
    EXPECT_EQ(std::pair(panel.GetPas(), panel.GetNbPasse()), std::pair(1.75, std::int16_t{7}));
    EXPECT_EQ(texts({"2", "3"}), "1.074|0.09");
    w("lPasFilet").setListIndex(-1);  // no item: no record before the first of the type
    EXPECT_EQ(takeBox().prompt, "Sélection d'un filet\r\nL'indice n'appartient pas à la sélection");

    w("bAppro", 3).click();  // no picture for this type: stops at the clicked button
    EXPECT_TRUE(boxStarts("Sélection du type d'approche\r\n"));
    EXPECT_EQ(pictures({"bAppro:0", "bAppro:3"}), "FILET_M_OFF|FILET_R_OFF");
}

TEST_F(Threads, SetUpAgainWhileTheDetailsPageIsOpenAndFailedSwitch) {
    setUpThreading(10);
    w("bFiletage").click();
    setUp(101);
    EXPECT_EQ(shown({"picOper", "bDegage", "Line2", "lPasFilet", "tNbFilet", "tbNbFilet",
                     "tbNbPasseFilet"}),
              "TTTFFFF");
    EXPECT_EQ(w("bAppro", 0).toolTip(), "Approche rapide Z puis X");
    EXPECT_EQ(pictureOf("bAppro:0"), "T_APPRO_0_ON");
    EXPECT_EQ(texts({"bFiletage"}), "Détails Filetage >>");

    setUpThreading(10);
    w("bFiletage").click();
    panel.addObserver([](Widget& widget, Property p) {
        if (widget.name() == "bFiletage" && p == Property::Caption)
            throw Error("Échec de l'affichage");
    });
    w("bFiletage").click();
    EXPECT_EQ(takeBox().prompt, "Sélection de la page FILETAGE\r\nÉchec de l'affichage");
    w("lPasFilet").setListIndex(0);  // the list still reacts
    EXPECT_EQ(texts({"cbPas"}), "1.25");
}

TEST_F(Threads, ThreadingFromTheShippedStandardTables) {
    fs::copy(fs::path(ORU_DATA_DIR) / "threads", dir.path() / "user",
             fs::copy_options::overwrite_existing | fs::copy_options::recursive);
    setUpThreading(10);
    EXPECT_EQ(items("cbPas"), "0.75|1|1.25|1.5");
    w("bFiletage").click();
    w("bAppro", 0).click();  // ISO metric
    int m10 = 0;
    while (m10 < w("lPasFilet").listCount() && !w("lPasFilet").list(m10).starts_with("M10x1.25\t"))
        ++m10;
    ASSERT_LT(m10, w("lPasFilet").listCount());
    w("lPasFilet").setListIndex(m10);
    EXPECT_EQ(
        std::tuple(panel.GetPas(), panel.GetProfFilet(), panel.GetDerPasseZ(), panel.GetNbPasse()),
        std::tuple(1.25, 0.767, 0.06, std::int16_t{6}));
}

}  // namespace
}  // namespace oru::test
