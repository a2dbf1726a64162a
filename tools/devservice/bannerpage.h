#pragma once
// The advantage page of the web site that the program shows as its banner:
// GET /site/advantage?tab=...&lang=vi|en&ver=...[&lvl=...&uid=...], a small HTML page in
// the asked language that greets a logged-in member by id.
namespace devservice {

class Service;

void addBannerPage(Service& service);

} // namespace devservice
