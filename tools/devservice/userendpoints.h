#pragma once
// /api/user/login, /api/user/logout and /api/user/get.
namespace devservice {

class Service;

void addUserEndpoints(Service& service);

} // namespace devservice
