#pragma once
// The wait cursor over a window that has no loading animation of its own, for as long
// as its service calls run.
class QWidget;
class ServiceCallRunner;

void showWaitCursorWhileBusy(ServiceCallRunner* runner, QWidget* window);
