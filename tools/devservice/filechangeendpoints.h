#pragma once

namespace devservice {

class Service;

// Changes to the caller's files and folders: delete, createFolder, createFolderInPath,
// rename, changeSecure, createFilePass, move, moveToPath, copy, SetDirectLink and
// createsharelink. Each checks everything before it changes anything.
void addFileChangeEndpoints(Service& service);

} // namespace devservice
