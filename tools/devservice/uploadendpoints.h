#pragma once
// The upload locations (/up/<token>) that the upload session hands out:
//  - GET: {"offset": bytes held}, or {"error": "INVALID_UPLOAD_SESSION"};
//  - POST with "Content-Range: bytes F-L/S" and bytes F..L of the file as the body,
//    F being what the location holds: {"offset": bytes held}; the request that makes the
//    file whole, or the empty one ("bytes S-(S-1)/S") sent afterwards, hears {"url":
//    share link} (UploadStore::LinkReply says which). Refusals are {"error": reason}:
//    "FILE_SIZE_MISS_MATCH" when S is not the size the session was opened for,
//    "OFFSET_MISS_MATCH" (with "offset") when F is not the bytes held,
//    "BAD_CONTENT_RANGE" (status 400) for a range that doesn't describe the body.
// Chunk bodies are streamed to disk; a finished file joins the target folder (a name
// already taken there gets " (n)" added), counts against the account's storage and
// downloads again with its real bytes.
#include <string>

namespace devservice {

class Service;

void addUploadEndpoints(Service& service);

// The storage quotas of an account's reply, as the texts the service sends.
struct StorageQuota {
    std::string webspace;
    std::string webspaceUsed;
    std::string secure;
    std::string secureUsed;
};
// False when no account logs in with `login`.
bool setStorageQuota(Service& service, const std::string& login, const StorageQuota& quota);

} // namespace devservice
