#pragma once

namespace devservice {

class Service;

// Listing and lookup: list, getFolderListPaging, getTotalFileInFolder, get, search,
// and the photo listing.
void addFileEndpoints(Service& service);

} // namespace devservice
