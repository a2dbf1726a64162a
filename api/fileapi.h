#pragma once
// The account's files and folders: listing, lookup, search, photos, and changes.
#include "api/apiresult.h"
#include "api/asyncrequest.h"
#include "api/file.h"

#include <string>
#include <vector>

namespace utils {
class http_response;
}

namespace brisko {

class client;

// Records in returned lists are new objects that the caller owns and deletes.
class file_api {
public:
    explicit file_api(client* owner);
    virtual ~file_api() = default;

    int get_error_code() const { return error.code; }
    std::string get_error_msg() const { return error.message; }
    std::string get_response() const { return response; }

    // Reading.
    // Every entry of a folder of the account ("" is the root), page after page.
    std::vector<file*> list(int dirOnly, const std::string& path);
    std::vector<file*> getFolderListPaging(const std::string& url, int page_index, int page_size);
    // The number of entries of a shared folder, as text ("0" on failure).
    std::string getTotalFileInFolder(const std::string& url);
    file* get(const std::string& url);
    std::vector<file*> search(const std::string& keyword, int pageIndex);
    std::vector<photo*> listPhotos(const std::string& path, int pageIndex);

    void listAsync(int dirOnly, const std::string& path, int pageIndex, async_callback callback);
    void searchAsync(const std::string& keyword, int pageIndex, async_callback callback);
    void listPhotosAsync(const std::string& path, int pageIndex, async_callback callback);
    static void onFileListReply(void* owner, utils::http_response* reply, async_callback callback);
    static void onPhotoListReply(void* owner, utils::http_response* reply,
                                 async_callback callback);

    // Changes. Lists hold link codes; true when the service did it.
    bool deleteItems(const std::vector<std::string>& items);
    bool createFolder(const std::string& name, const std::string& in_dir);
    bool createFolderInPath(const std::string& name, const std::string& in_dir);
    bool rename(const std::string& file, const std::string& new_name);
    bool changeSecure(const std::vector<std::string>& items, int status);
    bool createFilePass(const std::vector<std::string>& items, const std::string& pass);
    bool move(const std::vector<std::string>& items, const std::string& to);
    bool moveToPath(const std::vector<std::string>& items, const std::string& to);
    bool copy(const std::vector<std::string>& items, const std::string& to);
    bool setDirectLink(const std::vector<std::string>& items, int status);
    bool createShareLink(const std::vector<std::string>& items,
                         const std::vector<std::string>& emails, const std::string& content);

    void deleteItemsAsync(const std::vector<std::string>& items, async_callback callback);
    void createFolderAsync(const std::string& name, const std::string& in_dir,
                           async_callback callback);
    void renameAsync(const std::string& file, const std::string& new_name,
                     async_callback callback);
    void changeSecureAsync(const std::vector<std::string>& items, int status,
                           async_callback callback);
    void createFilePassAsync(const std::vector<std::string>& items, const std::string& pass,
                             async_callback callback);
    void moveAsync(const std::vector<std::string>& items, const std::string& to,
                   async_callback callback);
    void copyAsync(const std::vector<std::string>& items, const std::string& to,
                   async_callback callback);
    void createShareLinkAsync(const std::vector<std::string>& items,
                              const std::vector<std::string>& emails, const std::string& content,
                              async_callback callback);
    // Reply readers of the asynchronous changes.
    static void onCodeReply(void* owner, utils::http_response* reply, async_callback callback);
    static void onShareLinkReply(void* owner, utils::http_response* reply,
                                 async_callback callback);

private:
    // Reads a listing reply (an array of entries, or an object with the service's code)
    // into `out`, keeping at most `maxItems` and stopping at an entry without id when
    // `stopAtEmptyId`. False with the error set when the reply is not a listing.
    bool readEntries(const utils::http_response& reply, std::vector<file*>& out,
                     size_t maxItems, bool stopAtEmptyId);
    // POSTs a change and applies the reply's code; false without sending when a list
    // holds an empty link code.
    bool change(const char* path, Json::Value body, bool keepResponse = false);
    void changeAsync(const char* path, Json::Value body, reply_parser parser,
                     async_callback callback);
    bool refuseEmptyCodes(const std::vector<std::string>& items);

    client* owner;
    api_error error;
    std::string response;
};

// Frees records of a returned list.
template <class Record> void delete_all(std::vector<Record*>& records) {
    for (Record* record : records)
        delete record;
    records.clear();
}

} // namespace brisko
