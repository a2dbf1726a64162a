// The stand-in's file and session endpoints, driven by the program's own API client:
// every endpoint answers as the client expects, and every change shows in later listings.
#include "api/apiresult.h"
#include "api/appkey.h"
#include "api/client.h"
#include "api/fileapi.h"
#include "api/httputil.h"
#include "api/sessionapi.h"
#include "api/userapi.h"
#include "platform/hostconfig.h"
#include "tests/support/devservicefixture.h"
#include "tests/support/locationfetch.h"
#include "tools/devservice/demoaccount.h"
#include "tools/devservice/filecontent.h"
#include "tools/devservice/replies.h"

#include <QDir>
#include <QUrl>
#include <QtTest>

#include <memory>
#include <set>
#include <utility>

namespace code = devservice::code;

namespace {

const char kEmail[] = "files@brisko.local";
const char kPassword[] = "mật khẩu";
const char kFilePassword[] = "mk";
constexpr std::uint64_t kBinSize = 300000;
constexpr std::uint64_t kBinSeed = 77;

// As the folder tree sends paths: UTF-8, every byte but [A-Za-z0-9-._~] as %XX.
std::string encoded(const std::string& path) {
    return QUrl::toPercentEncoding(QString::fromStdString(path)).toStdString();
}

std::set<std::string> namesOf(std::vector<brisko::file*>& records) {
    std::set<std::string> names;
    for (const brisko::file* record : records)
        names.insert(record->get_name());
    brisko::delete_all(records);
    return names;
}

std::set<std::string> toSet(const QStringList& list) {
    std::set<std::string> set;
    for (const QString& item : list)
        set.insert(item.toStdString());
    return set;
}

} // namespace

class TestDevServiceFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void demoAccountHasSeededTree();
    void listByPath_data();
    void listByPath();
    void manyEntriesArePaged();
    void sharedLinksAndLookup();
    void searchAndPhotos();
    void changes_data();
    void changes();
    void flags_data();
    void flags();
    void refusals_data();
    void refusals();
    void downloadSession_data();
    void downloadSession();
    void downloadLocationRanges_data();
    void downloadLocationRanges();
    void downloadLocationExpires_data();
    void downloadLocationExpires();
    void folderDownloadsAsZip();
    void uploadSession();
    void versionAndLogCollector();
    void treePersistsInDataFolder();

private:
    devservice::Service& service() { return fixture.service(); }
    void login(const std::string& email, const std::string& password);
    // A path ("/A/x.txt") becomes its link code; any other text is taken as a code.
    std::string code(const QString& pathOrCode);
    std::vector<std::string> codes(const QStringList& pathsOrCodes);
    std::string link(const std::string& code, bool folder = false) const {
        return "https://www.localhost:" + std::to_string(fixture.port()) +
               (folder ? "/folder/" : "/file/") + code;
    }
    // Whether a listing of the parent folder through the endpoint shows the path.
    bool listed(const std::string& path);
    std::string location(const std::string& path, bool zip = false);
    Json::Value storedTree() {
        Json::Value tree;
        service().files().read(accountId,
                               [&](const devservice::FileTree& t) { tree = t.toJson(); });
        return tree;
    }

    DevServiceFixture fixture;
    std::unique_ptr<brisko::client> client;
    std::string accountId;
};

void TestDevServiceFiles::init() {
    QVERIFY2(fixture.start(), qPrintable(fixture.error()));
    devservice::Account account;
    account.email = kEmail;
    account.password = kPassword;
    accountId = service().accounts().add(account);
    auto& files = service().files();
    for (const auto& [parent, name] : std::vector<std::pair<std::string, std::string>>{
             {"/", "A"}, {"/A", "Sub"}, {"/", "B"}, {"/", "Ảnh"}})
        QVERIFY(files.addFolder(accountId, parent, name));
    const std::vector<std::tuple<std::string, std::string, std::uint64_t>> plain = {
        {"/A", "x.txt", 100},     {"/A/Sub", "deep.txt", 10}, {"/B", "x.txt", 20},
        {"/Ảnh", "a.jpg", 5000},  {"/Ảnh", "b.PNG", 6000},    {"/Ảnh", "notes.txt", 7},
        {"/A", "khoá.pdf", 4096}, {"/", "f.bin", kBinSize},
    };
    for (const auto& [parent, name, size] : plain) {
        devservice::FileEntry file;
        file.name = name;
        file.size = size;
        file.seed = name == "f.bin" ? kBinSeed : size;
        file.password = name == "khoá.pdf" ? kFilePassword : "";
        QVERIFY(files.addFile(accountId, parent, file));
    }
    login(kEmail, kPassword);
}

void TestDevServiceFiles::login(const std::string& email, const std::string& password) {
    client = std::make_unique<brisko::client>(brisko::application_key());
    brisko::user_api api(client.get());
    QVERIFY(api.login(email, password));
}

std::string TestDevServiceFiles::code(const QString& pathOrCode) {
    if (!pathOrCode.startsWith('/'))
        return pathOrCode.toStdString();
    const auto entry = service().files().findByPath(accountId, pathOrCode.toStdString());
    return entry ? entry->linkcode : "(no such path)";
}

std::vector<std::string> TestDevServiceFiles::codes(const QStringList& pathsOrCodes) {
    std::vector<std::string> list;
    for (const QString& item : pathsOrCodes)
        list.push_back(code(item));
    return list;
}

bool TestDevServiceFiles::listed(const std::string& path) {
    const auto slash = path.rfind('/');
    brisko::file_api api(client.get());
    std::vector<brisko::file*> entries = api.list(0, encoded(path.substr(0, slash)));
    return namesOf(entries).count(path.substr(slash + 1)) > 0;
}

std::string TestDevServiceFiles::location(const std::string& path, bool zip) {
    const auto entry = service().files().findByPath(accountId, path);
    brisko::sessionapi api(client.get());
    return entry ? api.download(link(entry->linkcode, entry->folder), entry->password, zip) : "";
}

void TestDevServiceFiles::demoAccountHasSeededTree() {
    login(devservice::demo::kEmail, devservice::demo::kPassword);
    brisko::file_api api(client.get());
    std::vector<brisko::file*> top = api.list(0, "");
    QCOMPARE(api.get_error_code(), 0);
    std::set<std::string> folders, files;
    for (const brisko::file* entry : top) {
        QCOMPARE(entry->get_path(), std::string("/"));
        (entry->get_type() == "0" ? folders : files).insert(entry->get_name());
        QVERIFY(entry->get_type() == "0" || entry->get_type() == "1");
    }
    brisko::delete_all(top);
    QCOMPARE(folders, (std::set<std::string>{"Music", "Photos", "Phim hay", "Tài liệu"}));
    QCOMPARE(files, (std::set<std::string>{"ghi chú.txt", "trống.bin"}));

    std::vector<brisko::file*> movies = api.list(0, encoded("/Phim hay"));
    QCOMPARE(movies.size(), size_t(2)); // the trailer and the subtitle folder
    for (const brisko::file* entry : movies) {
        QCOMPARE(entry->get_path(), std::string("/Phim hay"));
        if (entry->get_type() == "1")
            QCOMPARE(entry->get_size(), std::int64_t(5 * 1024 * 1024));
    }
    brisko::delete_all(movies);

    std::vector<brisko::file*> papers = api.list(0, encoded("/Tài liệu"));
    std::map<std::string, const brisko::file*> byName;
    for (const brisko::file* entry : papers)
        byName[entry->get_path() + "/" + entry->get_name()] = entry;
    QCOMPARE(byName.at(devservice::demo::kPasswordFile)->get_pwd(),
             std::string(devservice::demo::kFilePassword));
    QCOMPARE(byName.at(devservice::demo::kSecureFile)->get_secure(), std::string("1"));
    brisko::delete_all(papers);

    std::vector<brisko::photo*> photos = api.listPhotos("", 0);
    QCOMPARE(photos.size(), size_t(2));
    brisko::delete_all(photos);

    // Fixed link codes, which the README and scripts/run hand out as share links.
    const std::pair<const char*, const char*> fixed[] = {
        {devservice::demo::kBigFileCode, "Mắt biếc (2019) - trailer.mp4"},
        {devservice::demo::kMusicCode, "Trịnh Công Sơn - Diễm xưa.mp3"},
        {devservice::demo::kPhotoCode, "Vịnh Hạ Long.jpg"},
    };
    for (const auto& [fixedCode, name] : fixed) {
        const std::unique_ptr<brisko::file> record(api.get(link(fixedCode)));
        QVERIFY2(record, fixedCode);
        QCOMPARE(record->get_name(), std::string(name));
        QCOMPARE(record->get_linkcode(), std::string(fixedCode));
    }
}

void TestDevServiceFiles::listByPath_data() {
    QTest::addColumn<QString>("path"); // as handed to file_api::list
    QTest::addColumn<int>("dirOnly");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("code");
    const QStringList top{"A", "B", "Ảnh", "f.bin"};
    QTest::newRow("empty is the top") << "" << 0 << top << 0;
    QTest::newRow("/home") << "/home" << 0 << top << 0;
    QTest::newRow("folders only") << "" << 1 << QStringList{"A", "B", "Ảnh"} << 0;
    QTest::newRow("folder tree form")
        << "%2FA" << 0 << QStringList{"Sub", "x.txt", "khoá.pdf"} << 0;
    QTest::newRow("home prefix form") << "/home%2FA%2FSub" << 0 << QStringList{"deep.txt"} << 0;
    QTest::newRow("Vietnamese name") << QString::fromStdString(encoded("/Ảnh")) << 0
                                     << QStringList{"a.jpg", "b.PNG", "notes.txt"} << 0;
    QTest::newRow("missing folder") << "%2FNope" << 0 << QStringList() << code::kNotFound;
    QTest::newRow("a file is no folder") << "%2Ff.bin" << 0 << QStringList() << code::kNotFound;
}

void TestDevServiceFiles::listByPath() {
    QFETCH(QString, path);
    QFETCH(int, dirOnly);
    QFETCH(QStringList, names);
    QFETCH(int, code);
    brisko::file_api api(client.get());
    std::vector<brisko::file*> entries = api.list(dirOnly, path.toStdString());
    QCOMPARE(api.get_error_code(), code);
    if (code)
        QVERIFY(!api.get_error_msg().empty());
    QCOMPARE(namesOf(entries), toSet(names));
}

void TestDevServiceFiles::manyEntriesArePaged() {
    service().files().fill(accountId, [](devservice::FileTree& tree) {
        devservice::FileEntry folder;
        folder.name = "Nhiều";
        folder.folder = true;
        const std::string parent = tree.add(folder).linkcode;
        for (int i = 0; i < 2000; ++i) {
            devservice::FileEntry file;
            file.name = "tệp " + std::to_string(i);
            file.parent = parent;
            tree.add(file);
        }
    });
    const std::string path = encoded("/Nhiều");
    brisko::file_api api(client.get());
    std::vector<brisko::file*> entries = api.list(0, path);
    QCOMPARE(api.get_error_code(), 0);
    QCOMPARE(namesOf(entries).size(), size_t(2000));
    const auto sent = service().requests().forPath("/api/fileops/list" + path);
    QCOMPARE(sent.size(), size_t(2));
    QCOMPARE(sent[1].query(), std::string("pageIndex=1&dirOnly=0&limit=2000"));

    // Search pages by 50: the 2000 matches fill pages 0 to 39.
    for (const auto& [page, expected] : {std::pair<int, size_t>{0, 50}, {39, 50}, {40, 0}}) {
        std::vector<brisko::file*> found = api.search("TỆP", page);
        QCOMPARE(api.get_error_code(), 0);
        QCOMPARE(found.size(), expected);
        brisko::delete_all(found);
    }
}

void TestDevServiceFiles::sharedLinksAndLookup() {
    const std::string folderLink = link(code("/A"), true);
    brisko::file_api api(client.get());
    QCOMPARE(api.getTotalFileInFolder(folderLink), std::string("3"));
    std::vector<brisko::file*> page0 = api.getFolderListPaging(folderLink, 0, 2);
    std::vector<brisko::file*> page1 = api.getFolderListPaging(folderLink, 1, 2);
    QCOMPARE(api.get_error_code(), 0);
    QCOMPARE(page0.size() + page1.size(), size_t(3));
    QCOMPARE(page0[0]->get_type(), std::string("0")); // Sub, told apart as the job does
    brisko::delete_all(page0);
    brisko::delete_all(page1);

    // Any host, extra path, a query and a fragment: the path decides.
    const std::string fileLink =
        "http://www.example.invalid//file//" + code("/f.bin") + "/f.bin?x=1&p=&y#top";
    std::unique_ptr<brisko::file> file(api.get(fileLink));
    QVERIFY(file);
    QCOMPARE(file->get_type(), std::string("1"));
    QCOMPARE(file->get_size(), std::int64_t(kBinSize));
    QCOMPARE(file->get_path(), std::string("/"));
    QCOMPARE(file->get_url(), fileLink);
    std::unique_ptr<brisko::file> folder(api.get(folderLink));
    QVERIFY(folder);
    QCOMPARE(folder->get_type(), std::string("0"));

    // Unknown links, and another account's secure file, are missing.
    const auto demo = service().accounts().findByLogin(devservice::demo::kEmail);
    const auto secure = service().files().findByPath(demo->id, devservice::demo::kSecureFile);
    for (const std::string& missing :
         {link("NOPE"), std::string("no link"), link(secure->linkcode)}) {
        QVERIFY(!api.get(missing));
        QCOMPARE(api.get_error_code(), code::kNotFound);
    }
    QVERIFY(api.getFolderListPaging(link("NOPE", true), 0, 500).empty());
    QCOMPARE(api.get_error_code(), code::kNotFound);
}

void TestDevServiceFiles::searchAndPhotos() {
    brisko::file_api api(client.get());
    std::vector<brisko::file*> found = api.search("X.TXT", 0);
    QCOMPARE(found.size(), size_t(2));
    brisko::delete_all(found);
    found = api.search("ảnh", 0); // Vietnamese letters in either case
    QCOMPARE(namesOf(found), (std::set<std::string>{"Ảnh"}));

    std::vector<brisko::photo*> photos = api.listPhotos(encoded("/Ảnh"), 0);
    QCOMPARE(api.get_error_code(), 0);
    std::set<std::string> names;
    for (const brisko::photo* photo : photos) {
        names.insert(photo->get_name());
        QCOMPARE(photo->get_path(), std::string("/Ảnh"));
    }
    brisko::delete_all(photos);
    QCOMPARE(names, (std::set<std::string>{"a.jpg", "b.PNG"}));
    QVERIFY(api.listPhotos("", 0).empty()); // this account has no /Photos
    QCOMPARE(api.get_error_code(), code::kNotFound);
}

void TestDevServiceFiles::changes_data() {
    QTest::addColumn<QString>("op");
    QTest::addColumn<QStringList>("items"); // paths, or codes when not starting with "/"
    QTest::addColumn<QString>("arg");       // a name, or a target: "@/path" is its code
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    using L = QStringList;
    QTest::newRow("create by code")
        << "createFolder" << L{"Mới"} << "@/A" << 200 << L{"/A/Mới"} << L{};
    QTest::newRow("create at top") << "createFolder" << L{"Mới"} << "0" << 200 << L{"/Mới"} << L{};
    QTest::newRow("create by path")
        << "createFolder" << L{"Mới"} << "/home/A/Sub" << 200 << L{"/A/Sub/Mới"} << L{};
    QTest::newRow("create in path")
        << "createFolderInPath" << L{"Mới"} << "/A" << 200 << L{"/A/Mới"} << L{};
    QTest::newRow("create name taken") << "createFolder" << L{"Sub"} << "@/A" << 110 << L{} << L{};
    QTest::newRow("create bad name") << "createFolder" << L{"a/b"} << "0" << 7 << L{} << L{};
    QTest::newRow("create parent missing")
        << "createFolder" << L{"x"} << "NOPE" << 21 << L{} << L{"/x"};
    QTest::newRow("rename") << "rename" << L{"/A/x.txt"} << "y.txt" << 200 << L{"/A/y.txt"}
                            << L{"/A/x.txt"};
    QTest::newRow("rename name taken")
        << "rename" << L{"/A/x.txt"} << "Sub" << 110 << L{"/A/x.txt"} << L{};
    QTest::newRow("rename missing") << "rename" << L{"NOPE"} << "y" << 21 << L{} << L{};
    QTest::newRow("move") << "move" << L{"/A/x.txt", "/f.bin"} << "@/A/Sub" << 200
                          << L{"/A/Sub/x.txt", "/A/Sub/f.bin"} << L{"/A/x.txt", "/f.bin"};
    QTest::newRow("move to top") << "move" << L{"/A/Sub"} << "0" << 200 << L{"/Sub/deep.txt"}
                                 << L{"/A/Sub"};
    QTest::newRow("move to path") << "moveToPath" << L{"/A/Sub"} << "/B" << 200
                                  << L{"/B/Sub/deep.txt"} << L{"/A/Sub"};
    QTest::newRow("move into itself")
        << "move" << L{"/A"} << "@/A/Sub" << 109 << L{"/A/Sub"} << L{"/A/Sub/A"};
    QTest::newRow("move onto itself") << "move" << L{"/A"} << "@/A" << 109 << L{"/A"} << L{};
    QTest::newRow("move target missing")
        << "move" << L{"/A/x.txt"} << "NOPE" << 108 << L{"/A/x.txt"} << L{};
    QTest::newRow("move name taken") << "move" << L{"/f.bin", "/A/x.txt"} << "@/B" << 110
                                     << L{"/A/x.txt", "/f.bin"} << L{"/B/f.bin"};
    QTest::newRow("move item missing")
        << "move" << L{"/f.bin", "NOPE"} << "@/B" << 21 << L{"/f.bin"} << L{};
    QTest::newRow("copy") << "copy" << L{"/A"} << "@/B" << 200
                          << L{"/B/A/Sub/deep.txt", "/A/Sub/deep.txt"} << L{};
    QTest::newRow("copy beside itself") << "copy" << L{"/A/x.txt"} << "@/A" << 110 << L{} << L{};
    QTest::newRow("copy into itself")
        << "copy" << L{"/A"} << "@/A/Sub" << 109 << L{} << L{"/A/Sub/A"};
    QTest::newRow("delete") << "delete" << L{"/A/Sub", "/f.bin"} << "" << 200 << L{"/A/x.txt"}
                            << L{"/A/Sub", "/f.bin"};
    QTest::newRow("delete folder with contents")
        << "delete" << L{"/A", "/A/x.txt"} << "" << 200 << L{"/B"} << L{"/A"};
    QTest::newRow("delete item missing")
        << "delete" << L{"/f.bin", "NOPE"} << "" << 21 << L{"/f.bin"} << L{};
}

void TestDevServiceFiles::changes() {
    QFETCH(QString, op);
    QFETCH(QStringList, items);
    QFETCH(QString, arg);
    QFETCH(int, code);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    const std::string target = arg.startsWith('@') ? this->code(arg.mid(1)) : arg.toStdString();
    const Json::Value before = storedTree();

    brisko::file_api api(client.get());
    bool ok = false;
    if (op == "createFolder")
        ok = api.createFolder(items[0].toStdString(), target);
    else if (op == "createFolderInPath")
        ok = api.createFolderInPath(items[0].toStdString(), target);
    else if (op == "rename")
        ok = api.rename(this->code(items[0]), target);
    else if (op == "move")
        ok = api.move(codes(items), target);
    else if (op == "moveToPath")
        ok = api.moveToPath(codes(items), target);
    else if (op == "copy")
        ok = api.copy(codes(items), target);
    else if (op == "delete")
        ok = api.deleteItems(codes(items));
    QCOMPARE(api.get_error_code(), code == 200 ? 0 : code);
    QCOMPARE(ok, code == 200);
    QVERIFY(!api.get_error_msg().empty());
    if (code != 200) // a refusal changes nothing, not even in part
        QVERIFY(storedTree() == before);

    for (const QString& path : present)
        QVERIFY2(listed(path.toStdString()), qPrintable(path));
    for (const QString& path : absent)
        QVERIFY2(!listed(path.toStdString()), qPrintable(path));
}

void TestDevServiceFiles::flags_data() {
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("expected");
    QTest::newRow("secure") << "secure"
                            << "1";
    QTest::newRow("direct link") << "direct"
                                 << "1";
    QTest::newRow("password") << "password"
                              << "bí mật";
    QTest::newRow("share by mail") << "share"
                                   << "1";
}

void TestDevServiceFiles::flags() {
    QFETCH(QString, op);
    QFETCH(QString, expected);
    std::string (brisko::file::*field)() const = op == "secure"     ? &brisko::file::get_secure
                                                 : op == "direct"   ? &brisko::file::get_directlink
                                                 : op == "password" ? &brisko::file::get_pwd
                                                                    : &brisko::file::get_shared;
    brisko::file_api api(client.get());
    std::map<std::string, QString> before;
    std::vector<brisko::file*> listing = api.list(0, encoded("/A"));
    for (const brisko::file* entry : listing)
        before[entry->get_name()] = QString::fromStdString((entry->*field)());
    brisko::delete_all(listing);

    const std::vector<std::string> items = codes({"/A/x.txt", "/A/Sub"});
    bool ok = false;
    if (op == "secure")
        ok = api.changeSecure(items, 1);
    else if (op == "direct")
        ok = api.setDirectLink(items, 1);
    else if (op == "password")
        ok = api.createFilePass(items, expected.toStdString());
    else
        ok = api.createShareLink(items, {"ban@example.invalid"}, "Xem nhé");
    QVERIFY2(ok, api.get_error_msg().c_str());

    std::vector<brisko::file*> entries = api.list(0, encoded("/A"));
    QCOMPARE(entries.size(), before.size());
    for (const brisko::file* entry : entries) {
        const bool chosen = entry->get_name() == "x.txt" || entry->get_name() == "Sub";
        QCOMPARE(QString::fromStdString((entry->*field)()),
                 chosen ? expected : before.at(entry->get_name()));
    }
    brisko::delete_all(entries);
}

void TestDevServiceFiles::refusals_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("body"); // "token" is added; "@" stands for the code of /f.bin
    QTest::addColumn<bool>("expired");
    QTest::addColumn<int>("code");
    QTest::newRow("status as text") << "/api/fileops/changeSecure"
                                    << R"({"items":["@"],"status":"1"})" << false << 6;
    QTest::newRow("status out of range") << "/api/share/SetDirectLink"
                                         << R"({"items":["@"],"status":2})" << false << 6;
    QTest::newRow("items not an array") << "/api/fileops/delete"
                                        << R"({"items":"@"})" << false << 6;
    QTest::newRow("items of numbers") << "/api/fileops/delete"
                                      << R"({"items":[1]})" << false << 6;
    QTest::newRow("no items") << "/api/fileops/delete"
                              << R"({"items":null})" << false << 4;
    QTest::newRow("to as number") << "/api/fileops/move"
                                  << R"({"items":["@"],"to":5})" << false << 6;
    QTest::newRow("rename without name") << "/api/fileops/rename"
                                         << R"({"file":"@"})" << false << 4;
    QTest::newRow("page index as text")
        << "/api/fileops/getFolderListPaging"
        << R"({"url":"x","page_index":"0","page_size":9})" << false << 6;
    QTest::newRow("size not decimal")
        << "/api/session/upload"
        << R"({"name":"a","size":"12k","path":"/","secured":0})" << false << 6;
    QTest::newRow("size as number")
        << "/api/session/upload"
        << R"({"name":"a","size":12,"path":"/","secured":0})" << false << 6;
    QTest::newRow("upload folder missing")
        << "/api/session/upload"
        << R"({"name":"a","size":"12","path":"/Nope","secured":0})" << false << 21;
    QTest::newRow("zip flag as text") << "/api/session/download"
                                      << R"({"url":"x","zipflag":"1"})" << false << 6;
    for (const char* path :
         {"/api/fileops/getFolderListPaging", "/api/fileops/getTotalFileInFolder",
          "/api/fileops/get", "/api/fileops/search", "/api/fileops/delete",
          "/api/fileops/createFolder", "/api/fileops/createFolderInPath", "/api/fileops/rename",
          "/api/fileops/changeSecure", "/api/fileops/createFilePass", "/api/fileops/move",
          "/api/fileops/moveToPath", "/api/fileops/copy", "/api/share/SetDirectLink",
          "/api/share/createsharelink", "/api/session/download", "/api/session/upload"})
        QTest::newRow(path) << path << R"({"items":["@"]})" << true << 201;
}

void TestDevServiceFiles::refusals() {
    QFETCH(QString, path);
    QFETCH(QString, body);
    QFETCH(bool, expired);
    QFETCH(int, code);
    Json::Value json;
    QVERIFY(brisko::json::parse(
        body.replace("@", QString::fromStdString(this->code("/f.bin"))).toStdString(), json));
    json["token"] = client->get_session()->get_token();
    const Json::Value before = storedTree();
    if (expired)
        QVERIFY(service().expireSessions(kEmail));
    std::unique_ptr<utils::http_response> reply(
        utils::http_util::post(hosts::apiUrl(path.toStdString()),
                               client->get_session()->make_request(brisko::json::styled(json))));
    Json::Value answer;
    QVERIFY(brisko::json::parse(reply->get_body(), answer));
    QCOMPARE(answer["code"].asInt(), code);
    QVERIFY(!answer["msg"].asString().empty());
    QVERIFY(storedTree() == before);
}

void TestDevServiceFiles::downloadSession_data() {
    QTest::addColumn<QString>("url"); // "@path" is the share link of that path
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("zip");
    QTest::addColumn<int>("code");
    QTest::newRow("plain file") << "@/A/x.txt"
                                << "" << false << 0;
    QTest::newRow("password missing") << "@/A/khoá.pdf"
                                      << "" << false << 123;
    QTest::newRow("password wrong") << "@/A/khoá.pdf"
                                    << "MK" << false << 123;
    QTest::newRow("password given") << "@/A/khoá.pdf" << kFilePassword << false << 0;
    QTest::newRow("password in the link") << "@/A/khoá.pdf?p=mk"
                                          << "" << false << 0;
    QTest::newRow("folder as zip") << "@/A"
                                   << "" << true << 0;
    QTest::newRow("folder without zip") << "@/A"
                                        << "" << false << 22;
    QTest::newRow("unknown link") << "https://www.localhost/file/NOPE"
                                  << "" << false << 21;
    QTest::newRow("multiple IP") << "@/A/x.txt"
                                 << "" << false << 124;
}

void TestDevServiceFiles::downloadSession() {
    QFETCH(QString, url);
    QFETCH(QString, password);
    QFETCH(bool, zip);
    QFETCH(int, code);
    if (url.startsWith('@')) {
        const QString path = url.mid(1).section('?', 0, 0);
        const QString query = url.contains('?') ? "?" + url.section('?', 1) : QString();
        url = QString::fromStdString(link(this->code(path), !path.contains('.'))) + query;
    }
    if (code == 124)
        QVERIFY(service().refuseMultipleIp(kEmail));
    brisko::sessionapi api(client.get());
    const std::string where = api.download(url.toStdString(), password.toStdString(), zip);
    QCOMPARE(api.get_error_code(), code);
    QCOMPARE(where.empty(), code != 0);
    if (code == 124)
        QCOMPARE(api.get_error_msg(), std::string(devservice::kMultipleIpMessage));
    if (code == 0) {
        QVERIFY(QByteArray::fromStdString(where).startsWith(
            "https://127.0.0.1:" + QByteArray::number(fixture.port()) + "/dl/"));
        QCOMPARE(fetch(where).status, 200L);
    }
}

void TestDevServiceFiles::downloadLocationRanges_data() {
    QTest::addColumn<QString>("range");
    QTest::addColumn<long>("status");
    QTest::addColumn<qulonglong>("first");
    QTest::addColumn<qulonglong>("count");
    QTest::newRow("whole") << "" << 200L << 0ull << qulonglong(kBinSize);
    QTest::newRow("resume") << "bytes=1000-" << 206L << 1000ull << qulonglong(kBinSize - 1000);
    QTest::newRow("closed") << "bytes=10-19" << 206L << 10ull << 10ull;
    QTest::newRow("suffix") << "bytes=-100" << 206L << qulonglong(kBinSize - 100) << 100ull;
    QTest::newRow("clipped at the end") << "bytes=299990-400000" << 206L << 299990ull << 10ull;
    QTest::newRow("past the end") << "bytes=300000-" << 416L << 0ull << 0ull;
}

void TestDevServiceFiles::downloadLocationRanges() {
    QFETCH(QString, range);
    QFETCH(long, status);
    QFETCH(qulonglong, first);
    QFETCH(qulonglong, count);
    const std::string where = location("/f.bin");
    QVERIFY(!where.empty());
    const Fetched got = fetch(where, range.toStdString());
    QCOMPARE(got.result, CURLE_OK);
    QCOMPARE(got.status, status);
    QCOMPARE(got.header("Content-Length"), std::to_string(count));
    QVERIFY(got.body == devservice::generateContent(kBinSeed, first, count));
    const std::string total = "/" + std::to_string(kBinSize);
    if (status == 206)
        QCOMPARE(got.header("Content-Range"), "bytes " + std::to_string(first) + "-" +
                                                  std::to_string(first + count - 1) + total);
    if (status == 416)
        QCOMPARE(got.header("Content-Range"), "bytes */" + std::to_string(kBinSize));
}

void TestDevServiceFiles::downloadLocationExpires_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("uses") << "uses";
    QTest::newRow("time") << "time";
    QTest::newRow("all at once") << "all";
}

void TestDevServiceFiles::downloadLocationExpires() {
    QFETCH(QString, how);
    auto& downloads = service().downloads();
    if (how == "uses")
        downloads.setMaxUses(1);
    // Long enough for the first fetch on a loaded machine; the check below waits for the
    // end, and the fresh location gets the usual lifetime again, so no step races a clock.
    if (how == "time")
        downloads.setLifetime(std::chrono::seconds(2));
    const std::string where = location("/A/x.txt");
    QCOMPARE(fetch(where, "bytes=0-9").status, 206L);
    if (how == "time") {
        QTRY_COMPARE_WITH_TIMEOUT(fetch(where).status, 403L, 20000);
        downloads.setLifetime(std::chrono::hours(6));
    }
    if (how == "all")
        downloads.expireAll();
    QCOMPARE(fetch(where).status, 403L);

    const std::string fresh = location("/A/x.txt"); // what the client does on 403
    QVERIFY(fresh != where);
    QCOMPARE(fetch(fresh).status, 200L);
    QCOMPARE(service().files().findByPath(accountId, "/A/x.txt")->downloads, std::int64_t(2));
}

void TestDevServiceFiles::folderDownloadsAsZip() {
    const std::string where = location("/A", true);
    const Fetched whole = fetch(where);
    QCOMPARE(whole.status, 200L);
    QCOMPARE(whole.header("Content-Type"), std::string("application/zip"));
    QVERIFY(whole.header("Content-Disposition").find("A.zip") != std::string::npos);

    std::map<std::string, ZipEntry> entries;
    for (const ZipEntry& entry : readStoredZip(whole.body))
        entries[entry.name] = entry;
    QCOMPARE(entries.size(), size_t(4));
    QVERIFY(entries.count("Sub/") && entries.count("khoá.pdf"));
    const auto deep = service().files().findByPath(accountId, "/A/Sub/deep.txt");
    QVERIFY(entries.at("Sub/deep.txt").data == devservice::generateContent(deep->seed, 0, 10));

    // A resumed zip continues the same bytes.
    const Fetched tail = fetch(where, "bytes=100-");
    QCOMPARE(tail.status, 206L);
    QVERIFY(tail.body == whole.body.substr(100));
}

void TestDevServiceFiles::uploadSession() {
    brisko::sessionapi api(client.get());
    int secured = 1;
    const std::string where = api.upload("phim.mkv", 5368709120LL, "/A/Sub", secured);
    QCOMPARE(api.get_error_code(), 0);
    QVERIFY(QByteArray::fromStdString(where).contains("/up/"));
    // The new location holds nothing yet.
    const Fetched offset = fetch(where);
    QCOMPARE(offset.status, 200L);
    Json::Value answer;
    QVERIFY(brisko::json::parse(offset.body, answer));
    QCOMPARE(answer["offset"].asUInt64(), 0u);

    QVERIFY(api.upload("a", 1, "/Không có", secured).empty());
    QCOMPARE(api.get_error_code(), code::kNotFound);
}

void TestDevServiceFiles::versionAndLogCollector() {
    brisko::sessionapi api(client.get());
    int type = 6;
    QCOMPARE(api.getLatestVersion(type).at("version"), std::string("5.3.0.174"));
    service().setLatestVersion({"5.4.0.1", "https://example.invalid/setup.exe"});
    const auto latest = api.getLatestVersion(type);
    QCOMPARE(latest.at("version"), std::string("5.4.0.1"));
    QCOMPARE(latest.at("link"), std::string("https://example.invalid/setup.exe"));

    int id = 1001, level = 5, speed = 2048, concurrent = 2;
    std::string kind = "download";
    api.postLog(id, kind, level, speed, concurrent);
    const std::vector<Json::Value> records = service().logRecords();
    QCOMPARE(records.size(), size_t(1));
    QCOMPARE(records[0]["account_id"].asInt(), 1001);
    QCOMPARE(records[0]["type"].asString(), kind);
    QCOMPARE(records[0]["speed"].asInt(), 2048);
}

void TestDevServiceFiles::treePersistsInDataFolder() {
    QTemporaryDir data;
    auto options = DevServiceFixture::defaultOptions();
    options.dataFolder = QFile::encodeName(data.path()).toStdString();
    QVERIFY(fixture.start(options));
    login(devservice::demo::kEmail, devservice::demo::kPassword);
    brisko::file_api api(client.get());
    QVERIFY(api.createFolder("Lưu lại", "/Tài liệu"));
    const auto demo = service().accounts().findByLogin(devservice::demo::kEmail);
    const std::string bigCode =
        service().files().findByPath(demo->id, devservice::demo::kBigFile)->linkcode;
    QVERIFY(service().files().saveError().empty());

    QVERIFY(fixture.start(options)); // a new instance on the same folder
    QCOMPARE(QDir(data.path()).entryList(QDir::Files),
             (QStringList{"accounts.json", "ca.crt", "ca.key", "files.json"}));
    login(devservice::demo::kEmail, devservice::demo::kPassword);
    accountId = demo->id;
    QVERIFY(listed("/Tài liệu/Lưu lại"));
    QCOMPARE(service().files().findByPath(demo->id, devservice::demo::kBigFile)->linkcode,
             bigCode); // links stay valid across restarts
}

QTEST_GUILESS_MAIN(TestDevServiceFiles)
#include "test_devservice_files.moc"
