// Thread tables read from real files, the pitch and thread choices, the threading details page,
// and a threading operation set up from the shipped standard tables.
#include <algorithm>
#include <filesystem>
#include <initializer_list>

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
    std::vector<std::string> items(std::string_view name) {
        std::vector<std::string> out;
        for (int i = 0; i < w(name).listCount(); ++i)
            out.push_back(w(name).list(i));
        return out;
    }
    // 'T' or 'F' for each widget; a digit names a parameter box.
    std::string shown(std::initializer_list<const char*> names) {
        std::string out;
        for (const char* n : names)
            out += (n[0] >= '0' && n[0] <= '9' ? box(n[0] - '0') : w(n)).visible() ? 'T' : 'F';
        return out;
    }
    // Open files of the process, where the system tells them.
    static long openFiles() {
        if (!fs::exists("/proc/self/fd")) return 0;
        return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
    }
};

TEST_F(Threads, ExternalTableOffersThePitchesOfTheDiameter) {
    setUpThreading(10);  // no pitch from the host: the last one offered, with its values
    EXPECT_EQ(items("cbPas"), (std::vector<std::string>{"1.25", "1.5"}));
    EXPECT_EQ(w("cbPas").text(), "1.5");
    EXPECT_EQ(w("tbNbPasseFilet").text(), "6");
    EXPECT_EQ(box(3).text(), "0.08");
    EXPECT_EQ(box(2).text(), "0.5");  // then the host's depth

    setUpThreading(11);  // 11 is the upper bound of M10, the lower bound of M12
    EXPECT_EQ(items("cbPas"), std::vector<std::string>{"1.75"});
    td[13] = 0.7;  // the host's pitch is shown even when no record offers it
    setUpThreading(10);
    EXPECT_EQ(w("cbPas").text(), "0.7");
    EXPECT_EQ(w("cbPas").listIndex(), -1);
    EXPECT_TRUE(noMessages());
}

TEST_F(Threads, InternalTableOffersByTheBoreAndK) {
    writeTable("I", "nom\r\n" + record("M12x1.5", "1.5", "0.8119", "6", "0.08", "10", "12") +
                        record("G3/8", "1.337", "0.8561", "6", "0.07", "10", "12"));
    td[14] = 1;  // tapping passes its own flag: the depth stays the record's
    for (const auto& [bore, offered] : {std::pair{8.5, true}, std::pair{8.3, false}}) {
        SCOPED_TRACE(bore);
        td[12] = bore;  // 8.5 + 1.0825 x 1.5 = 10.124; 8.3 gives 9.924
        setUp(180, "E", "20_ABCDEF", "M");
        EXPECT_EQ(w("cbPas").listCount(), offered ? 1 : 0);
        EXPECT_EQ(box(2).text(), offered ? "0.812" : "0");
    }
    EXPECT_TRUE(noMessages());
}

TEST_F(Threads, TableWithoutCommentsLosesItsFirstLine) {
    writeTable("E",
               "M10x1\r\n" + record("M10x1.25 fin\xE9", "1.25", "0.7668", "6", "0.06", "9", "11"));
    setUpThreading(10);
    EXPECT_EQ(items("cbPas"), std::vector<std::string>{"1.25"});
    w("bFiletage").click();
    EXPECT_EQ(items("lPasFilet"),
              std::vector<std::string>{"M10x1.25 fin\u00e9\tpas=      1.25\t9 <=D< 11"});
}

TEST_F(Threads, FailedReadsShowTheErrorBoxWithTheFileClosed) {
    const std::string first =
        kHeader + record("M10x1.25", "1.25", "0.7668", "6", "0.06", "9", "11");
    std::string many = kHeader;
    for (int i = 0; i < 10001; ++i)
        many += record("M", "1", "1", "1", "1", "1", "2");
    const std::pair<std::string, std::string> cases[] = {
        {"", "L'entrée dépasse la fin du fichier"},
        {first + "M10x1.5\r\n1.5\r\n", "L'entrée dépasse la fin du fichier"},
        {first + "M10x1.5\r\n1.5\r\n1\r\n6\r\n1\r\n9\r\n11\r\n",
         "L'entrée dépasse la fin du fichier"},
        {first + record("M10x1.5", "1.5", "1", "six", "1", "9", "11"), "Type incompatible"},
        {first + record("M10x1.5", "1.5", "1", "40000", "1", "9", "11"), "Dépassement de capacité"},
        {first + record("M10x1.5", "1e999", "1", "6", "1", "9", "11"), ""},
        {first + std::string("M\0x", 3) + "\r\n", "Le fichier n'est pas un fichier texte"},
        {first + std::string(2000, 'M') + "\r\n", "Ligne trop longue dans le fichier"},
        {std::string(1100000, ';'), ""},
        {many, "Trop de filets dans le fichier"},
    };
    for (const auto& [bytes, description] : cases) {
        SCOPED_TRACE(description + " " + std::to_string(bytes.size()));
        writeTable("E", bytes);
        const long before = openFiles();
        host.clearMessages();
        setUpThreading(10);
        EXPECT_EQ(openFiles(), before);
        ASSERT_EQ(host.messages().size(), 1u);
        EXPECT_EQ(LastMessage(host).title, "ERREUR ORUCN");
        EXPECT_EQ(
            LastMessage(host).prompt.rfind("Lecture du fichier FILET_E.DAT\r\n" + description, 0),
            0u);
    }
    writeTable("E", first + "M10x1.5\r\n");  // what was read before the failure stays
    setUpThreading(10);
    EXPECT_EQ(items("cbPas"), std::vector<std::string>{"1.25"});
    EXPECT_EQ(w("cbPas").listIndex(), -1);
    EXPECT_EQ(w("tbNbPasseFilet").text(), "");  // no pitch was selected

    fs::remove(dir.path() / "user" / "Filet_E.dat");
    host.clearMessages();
    setUpThreading(10);
    EXPECT_EQ(LastMessage(host).style, 0);
    EXPECT_EQ(LastMessage(host).prompt, "Fichier " + panel.DirSld + "user\\Filet_E.dat non trouvé");
    EXPECT_EQ(items("cbPas"), std::vector<std::string>{"1.25"});  // as it was
    EXPECT_EQ(host.messages().size(), 1u);
}

TEST_F(Threads, PitchChoiceTakesTheFirstRecordOfThatPitch) {
    writeTable("E", kHeader + record("M8x1.25", "1.25", "0.5", "4", "0.04", "7", "9") +
                        kTable.substr(kHeader.size()));
    setUpThreading(10);
    w("cbPas").setListIndex(0);  // 1.25, offered by M10 but first written for M8
    EXPECT_EQ(box(2).text(), "0.5");
    EXPECT_EQ(box(3).text(), "0.04");
    EXPECT_EQ(w("tbNbPasseFilet").text(), "4");
    EXPECT_TRUE(noMessages());
}

TEST_F(Threads, DetailsPageOpenedAndClosedTwice) {
    ti[1] = 13;  // approach 13 needs tbXsecu; retract E0 no tbZsecu; option "0" box 5
    setUpThreading(10);
    const auto page = {"picOper",   "bDegage", "tbXsecu", "tbZsecu",   "Line1",
                       "tDiamBrut", "0",       "1",       "3",         "4",
                       "5",         "6",       "7",       "lPasFilet", "tbNbFilet"};
    const auto cbPas = items("cbPas");
    for (int round = 0; round < 2; ++round) {
        w("bFiletage").click();
        EXPECT_EQ(shown(page),
                  "FFFFFF"
                  "FFTFFFT"
                  "TT");
        EXPECT_EQ(w("bFiletage").caption(), "<< Généralités Opération");
        EXPECT_EQ(w("bAppro", 0).toolTip(), "Filet ISO Métrique");
        EXPECT_EQ(pictureOf("bAppro", 0), "FILET_M_ON");
        EXPECT_TRUE(w("bAppro", 3).visible());
        EXPECT_EQ(items("lPasFilet").size(), 3u);  // the metric records
        EXPECT_EQ(items("cbPas"), cbPas);          // not refilled on opening

        w("bFiletage").click();
        EXPECT_EQ(shown(page),
                  "TTTFTT"
                  "TTFTTFF"
                  "FF");
        EXPECT_EQ(w("bFiletage").caption(), "Détails Filetage >>");
        EXPECT_EQ(w("bAppro", 3).toolTip(), "Dégagement rapide X sécurité, Approche Z puis X");
        EXPECT_EQ(pictureOf("bAppro", 3), "T_APPRO_3_ON");
    }
    ti[1] = 11;
    dir.writeBmp("Filet_T_Xm.bmp");
    setUpThreading(10, "I", "T");  // inside: no fourth approach button on the general page
    EXPECT_FALSE(w("bAppro", 3).visible());
    w("bFiletage").click();
    EXPECT_TRUE(w("bAppro", 3).visible());
    EXPECT_EQ(pictureOf("bAppro", 2), "FILET_T_ON");
    EXPECT_EQ(items("lPasFilet").size(), 1u);
    w("bFiletage").click();
    EXPECT_FALSE(w("bAppro", 3).visible());
    EXPECT_EQ(panel.GetTypeFilet(), "T");
    EXPECT_TRUE(noMessages());
}

TEST_F(Threads, ThreadTypeAndThreadChoicesOnTheDetailsPage) {
    setUpThreading(20);
    w("bFiletage").click();
    dir.writeBmp("FILET_G_Xm.BMP");
    w("bAppro", 1).click();
    EXPECT_EQ(panel.GetTypeFilet(), "G");
    EXPECT_EQ(w("tFiletage").caption(), "FILET GAZ");
    EXPECT_EQ(box(7).text(), "27.5");
    EXPECT_EQ(items("lPasFilet"),
              std::vector<std::string>{"G1/2\tpas=     1.814\t18.81 <=D<= 21.93"});
    EXPECT_EQ(items("cbPas"), std::vector<std::string>{"1.814"});
    EXPECT_EQ(w("tbNbPasseFilet").text(), "7");

    w("bAppro", 0).click();
    w("lPasFilet").setListIndex(2);  // M12x1.75
    EXPECT_EQ(panel.GetPas(), 1.75);
    EXPECT_EQ(box(2).text(), "1.074");
    EXPECT_EQ(box(3).text(), "0.09");
    EXPECT_EQ(panel.GetNbPasse(), 7);
    EXPECT_EQ(panel.GetTypeAppro(), 10);
    EXPECT_TRUE(noMessages());
    w("lPasFilet").setListIndex(-1);  // no item: no record before the first of the type
    EXPECT_EQ(LastMessage(host).prompt,
              "Sélection d'un filet\r\nL'indice n'appartient pas à la sélection");
}

TEST_F(Threads, FailureWhileSwitchingPagesLeavesTheListReactive) {
    setUpThreading(10);
    w("bFiletage").click();
    panel.addObserver([](Widget& widget, Property p) {
        if (widget.name() == "bFiletage" && p == Property::Caption)
            throw Error("Échec de l'affichage");
    });
    w("bFiletage").click();
    EXPECT_EQ(LastMessage(host).prompt, "Sélection de la page FILETAGE\r\nÉchec de l'affichage");
    w("lPasFilet").setListIndex(0);
    EXPECT_EQ(w("cbPas").text(), "1.25");
}

TEST_F(Threads, SetUpAgainWhileTheDetailsPageIsOpen) {
    setUpThreading(10);
    w("bFiletage").click();
    setUp(101);
    EXPECT_TRUE(w("picOper").visible() && w("bDegage").visible() && w("Line2").visible());
    for (std::string_view name : {"lPasFilet", "tNbFilet", "tbNbFilet", "tbNbPasseFilet"})
        EXPECT_FALSE(w(name).visible()) << name;
    EXPECT_EQ(w("bAppro", 0).toolTip(), "Approche rapide Z puis X");
    EXPECT_EQ(pictureOf("bAppro", 0), "T_APPRO_0_ON");
    EXPECT_EQ(w("bFiletage").caption(), "Détails Filetage >>");
    EXPECT_TRUE(noMessages());
}

TEST_F(Threads, ThreadingFromTheShippedStandardTables) {
    for (const char* letter : {"E", "I"})
        fs::copy_file(
            fs::path(ORU_DATA_DIR) / "threads" / ("Filet_" + std::string(letter) + ".dat"),
            dir.path() / "user" / ("Filet_" + std::string(letter) + ".dat"),
            fs::copy_options::overwrite_existing);
    setUpThreading(10);
    EXPECT_EQ(items("cbPas"), (std::vector<std::string>{"0.75", "1", "1.25", "1.5"}));
    w("bFiletage").click();
    w("bAppro", 0).click();  // ISO metric
    const auto list = items("lPasFilet");
    const auto m10 = std::find_if(list.begin(), list.end(),
                                  [](const std::string& s) { return s.starts_with("M10x1.25\t"); });
    ASSERT_NE(m10, list.end());
    w("lPasFilet").setListIndex(static_cast<int>(m10 - list.begin()));
    EXPECT_EQ(panel.GetPas(), 1.25);
    EXPECT_DOUBLE_EQ(panel.GetProfFilet(), 0.767);
    EXPECT_DOUBLE_EQ(panel.GetDerPasseZ(), 0.06);
    EXPECT_EQ(panel.GetNbPasse(), 6);
    EXPECT_TRUE(noMessages());
}

}  // namespace
}  // namespace oru::test
