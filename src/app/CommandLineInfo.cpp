#include "app/CommandLineInfo.h"

#include "NimboVersion.h"

#include <cstdio>
#include <cstring>

namespace nimbo {

namespace {
const char* const kHelp =
    "Kullanım: nimbo [-d]\n"
    "       nimbo --shot PENCERE DOSYA.png [--user KULLANICI --password ŞİFRE] [--click DÜĞME [--wait MS]]\n"
    "\n"
    "NimboSoft ticari işletme yönetimi programı: cari hesaplar, stok, alış ve satış belgeleri,\n"
    "kasa, banka, çek ve senetler, genel muhasebe. Firma seçimi, şifre onayı ve ana form ile açılır.\n"
    "\n"
    "Seçenekler:\n"
    "  -d                 açılış adımlarını ileti kutularıyla gösterir (yalnız ilk argüman olarak)\n"
    "  --shot PENCERE DOSYA.png\n"
    "                     deneme firmasının bir penceresini ekransız olarak PNG dosyasına çizer;\n"
    "                     PENCERE: TFormFirmaSec, TPassWordDlg, MainForm veya menüdeki bir pencerenin\n"
    "                     sınıf adı ya da başlığı\n"
    "  --user, --password --shot için kullanıcı ve şifre (varsayılan YONETICI / 1234)\n"
    "  --click DÜĞME      çizmeden önce bu nesne adlı düğmeye basar ve pencereyi --wait MS\n"
    "                     milisaniye (varsayılan 3000) çalıştırır\n"
    "  -h, --help         bu yardımı gösterir\n"
    "  -v, --version      sürümü gösterir\n"
    "\n"
    "Dosyalar:\n"
    "  ~/.config/NimboSoft/NIMBO.ini   sunucu adı ve sürücü ([SERVER] ServerAdi, Surucu); kurulu\n"
    "                                  programda ilk açılışta /etc/nimbosoft/NIMBO.ini kopyalanır,\n"
    "                                  derleme klasöründe programın yanındaki NIMBO.ini kullanılır\n"
    "  ~/.config/NimboSoft/aliases.ini veritabanı takma adları (FIRMANIMB ve yıl takma adları)\n"
    "  /usr/share/nimbosoft/help/      kullanım kılavuzu (ana formda \"Yardım\")\n"
    "\n"
    "Deneme firması: nimbo-admin demo\n";
} // namespace

std::optional<int> answerInfoOption(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (!std::strcmp(a, "--shot"))
            break; // what follows are the shot's own values (a password may be "-h")
        if (!std::strcmp(a, "--version") || !std::strcmp(a, "-v")) {
            std::printf("nimbo %s\n", NIMBO_VERSION);
            return 0;
        }
        if (!std::strcmp(a, "--help") || !std::strcmp(a, "-h")) {
            std::fputs(kHelp, stdout);
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace nimbo
