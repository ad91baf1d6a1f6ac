// The thread tables: reading the table of the profile, the pitches it offers for the diameter,
// the choice of a pitch or of a thread, and the choice of a thread type on the threading page.
#include <cctype>
#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "frame/files.hpp"
#include "frame/numbers_internal.hpp"
#include "frame/trap.hpp"
#include "oru/numbers.hpp"
#include "tournage/internal.hpp"

namespace oru {
namespace {

// A thread table is a few hundred short records. Anything far beyond is not a thread table: a
// huge or binary file, or a runaway line, ends the read with its error box.
constexpr std::size_t kMaxTableBytes = 1u << 20;
constexpr std::size_t kMaxLineBytes = 1024;
constexpr std::size_t kMaxRecords = 10000;

constexpr double kEpsilon = 0.0000001;

// K of a thread type letter; 0 for a letter outside the table.
double KOf(std::string_view letter) {
    const int i = ThreadTypeIndex(letter);
    return i < 0 ? 0.0 : kThreadTypes[static_cast<std::size_t>(i)].K;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Whether the first character of `text` (a whole UTF-8 character) is `letter`.
bool FirstCharacterIs(std::string_view text, std::string_view letter) {
    // Most records of a table are of another type: their first byte tells.
    if (!text.empty() && !letter.empty() && text[0] != letter[0]) return false;
    if (letter.size() == 1 && !text.empty())  // one byte: the first character must end there
        return text.size() == 1 || (static_cast<unsigned char>(text[1]) & 0xC0) != 0x80;
    std::size_t n = text.empty() ? 0 : 1;
    while (n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
        ++n;
    return text.substr(0, n) == letter;
}

// Whether a record's pitch is offered for the diameter D: an external thread by its nominal
// diameter, an internal one by the nominal diameter its bore D gives with the pitch.
bool Offered(double Pas, double Dmin, double Dmax, bool internal, double D, double K) {
    const double x = internal ? num::Checked(D + K * Pas) : D;
    return Dmin <= x && x < Dmax;
}

// One item of the thread list: designation, pitch right-aligned in ten characters, range.
std::string ItemText(const std::string& nom, double Pas, double Dmin, double Dmax) {
    const std::string range = str::Left(nom, 1) == "G" ? " <=D<= " : " <=D< ";
    return nom + "\tpas=" + str::Right("          " + FormatNum3(Pas), 10) + "\t" +
           FormatNum3(Dmin) + range + FormatNum3(Dmax);
}

}  // namespace

// A thread table as read from its file: its records in file order and, when the read stopped on
// a failure, that failure's description (the records before it were read). Read once per file
// and stamp, and shared read-only by every panel that reads the same file. A deque: a long
// table grows without reallocating, so that it is never held twice while it is read.
struct OperTournage::FiletTable {
    std::deque<classFilet> records;
    std::string failure;

    std::size_t bytes() const {
        std::size_t n = sizeof(*this) + records.size() * sizeof(classFilet) + failure.size();
        for (const classFilet& f : records)
            if (f.nom.size() >= sizeof(std::string)) n += f.nom.capacity() + 1;
        return n;
    }

    // Reads the file found for the path the panel formed. Failing to open it is a failure of
    // the caller; a failure while reading is kept in the table, so that every panel reading the
    // same file shows the same records and the same error box.
    static std::shared_ptr<const FiletTable> read(const files::FoundFile& found,
                                                  const std::string& path) {
        files::TextFile file(found, path, kMaxTableBytes, kMaxLineBytes);
        auto table = std::make_shared<FiletTable>();
        try {
            // Comment lines, then one line that is skipped whatever it holds.
            std::string line = file.readLine();
            while (!file.atEnd() && str::Left(line, 1) == ";")
                line = file.readLine();

            while (!file.atEnd()) {
                if (table->records.size() >= kMaxRecords)
                    fail::raise("Trop de filets dans le fichier");
                classFilet record;
                record.nom = file.readLine();
                // Numbers are read from the bytes as they are: no character outside ASCII
                // belongs to a number.
                record.Pas = Val(file.readRawLine());
                record.Profondeur = Val(file.readRawLine());
                record.NbPasses = num::CIntText(file.readRawLine());
                record.DerPasse = Val(file.readRawLine());
                record.Dmin = Val(file.readRawLine());
                record.Dmax = Val(file.readRawLine());
                table->records.push_back(std::move(record));
                file.readRawLine();  // separator
            }
        } catch (const Error& e) {
            table->failure = e.what();
        }
        file.close();
        return table;
    }
};

const OperTournage::classFilet& OperTournage::FiletRecords::operator[](std::size_t i) const {
    return table->records[i];
}

void OperTournage::LitFichierFilet(const std::string& profil, double PasInit, double ProfInit,
                                   double Drapeau) {
    const std::string letter = profil == "I" ? "I" : "E";
    Trap(host(), kTitleCN, Prompt::LabelAndDescription,
         "Lecture du fichier FILET_" + letter + ".DAT", [&] {
             Ui& u = *ui_;
             Filets = {};
             u.lPasFilet.clear();
             const double D = Val(u.tDiamBrut.caption());
             const double K = KOf(TypeFilet);

             const std::string path = DirSld + "user\\Filet_" + letter + ".dat";
             const auto found = files::FindFile(path);
             if (!found) {
                 ShowPlainBox(host(), "Fichier " + path + " non trouvé");
                 return;
             }

             // The file is opened, read and closed (on every way out, before any error box is
             // shown) only when it changed since it was last read.
             auto table =
                 files::Shared<FiletTable>(*found, [&] { return FiletTable::read(*found, path); });
             u.cbPas.clear();
             Filets.table = table;
             for (const classFilet& f : table->records) {
                 ++Filets.count;
                 if (FirstCharacterIs(f.nom, TypeFilet) &&
                     Offered(f.Pas, f.Dmin, f.Dmax, letter == "I", D, K))
                     u.cbPas.addItem(FormatNum3(f.Pas));
             }
             if (!table->failure.empty()) fail::raise(table->failure);

             if (PasInit < kEpsilon)
                 u.cbPas.writeListIndex(u.cbPas.listCount() - 1);
             else
                 u.cbPas.writeText(FormatNum3(PasInit));
             if (Drapeau == 0) u.tbPara(2).writeText(FormatNum3(ProfInit));
         });
}

void OperTournage::cbPas_Click() {
    Trap(host(), kTitleCN, Prompt::LabelAndDescription, kLabelPitch, [&] {
        Ui& u = *ui_;
        const double p = Val(u.cbPas.list(u.cbPas.listIndex()));
        for (std::size_t i = 0; i < Filets.size(); ++i) {
            const classFilet& f = Filets[i];
            // The first record of the type with exactly this pitch, whatever its range.
            if (!StartsWith(f.nom, TypeFilet) || f.Pas != p) continue;
            u.tbNbPasseFilet.writeText(FormatNum3(f.NbPasses));
            u.tbPara(2).writeText(FormatNum3(f.Profondeur));
            u.tbPara(3).writeText(FormatNum3(f.DerPasse));
            return;
        }
    });
}

void OperTournage::lPasFilet_Click() {
    Trap(host(), kTitleCN, Prompt::LabelAndDescription, kLabelThread, [&] {
        if (MajEnCours) return;
        Ui& u = *ui_;
        // The list shows the records of the current type in file order: item 0 is the first
        // record of the type (positions counted from 1, as the list and the table are).
        std::size_t c = 0;
        while (c < Filets.size() && !StartsWith(Filets[c].nom, TypeFilet))
            ++c;
        c = c < Filets.size() ? c + 1 : Filets.size();
        const long long position =
            static_cast<long long>(u.lPasFilet.listIndex()) + static_cast<long long>(c);
        if (position < 1 || position > static_cast<long long>(Filets.size()))
            fail::subscriptOutOfRange();
        const classFilet& f = Filets[static_cast<std::size_t>(position - 1)];

        u.cbPas.writeText(FormatNum3(f.Pas));
        u.tbPara(2).writeText(FormatNum3(f.Profondeur));
        u.tbPara(3).writeText(FormatNum3(f.DerPasse));
        u.tbNbPasseFilet.writeText(FormatNum3(f.NbPasses));
    });
}

// Runs inside the bAppro click on the threading page. While MajEnCours is set (the page is being
// opened) only the thread list is refilled.
void OperTournage::ChoixTypeFilet(int Index) {
    Ui& u = *ui_;
    const bool choose = !MajEnCours;
    double K = 0;
    if (choose) {
        if (Index < 0 || static_cast<std::size_t>(Index) >= std::size(kThreadTypes))
            fail::subscriptOutOfRange();
        const ThreadTypeRow& row = kThreadTypes[static_cast<std::size_t>(Index)];
        TypeFilet = row.letter;
        u.tFiletage.setCaption(std::string(row.caption));
        u.tbPara(7).writeText(std::string(row.angle));
        u.cbPas.clear();
        K = row.K;
    }

    u.lPasFilet.clear();
    const double D = Val(u.tDiamBrut.caption());
    for (std::size_t i = 0; i < Filets.size(); ++i) {
        const classFilet& f = Filets[i];
        if (!StartsWith(f.nom, TypeFilet)) continue;
        u.lPasFilet.addItem(ItemText(f.nom, f.Pas, f.Dmin, f.Dmax));
        if (choose && Offered(f.Pas, f.Dmin, f.Dmax, Profil == "I", D, K))
            u.cbPas.addItem(FormatNum3(f.Pas));
    }
    if (choose) u.cbPas.writeListIndex(u.cbPas.listCount() - 1);
}

}  // namespace oru
