// Thread tables read from real files (odd tables, failed reads with the file closed), setting up
// again with the details page open, and a threading operation from the shipped standard tables.
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
