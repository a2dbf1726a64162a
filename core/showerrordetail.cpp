#include "core/showerrordetail.h"

#include "core/userprompt.h"

#include <QCoreApplication>

namespace {

struct CodeText {
    int code;
    const char* text;
};

// The service's result codes and what they mean to the user.
const CodeText kCodeTexts[] = {
    {1, QT_TRANSLATE_NOOP("ShowErrorDetail", "Dữ liệu ngày tháng không hợp lệ")},
    {2, QT_TRANSLATE_NOOP("ShowErrorDetail", "Toán tử không hợp lệ")},
    {3, QT_TRANSLATE_NOOP("ShowErrorDetail", "Thao tác không được phép thực hiện")},
    {4, QT_TRANSLATE_NOOP("ShowErrorDetail", "Tham số quá lớn")},
    {5, QT_TRANSLATE_NOOP("ShowErrorDetail", "Đăng nhập sai Username hoặc Pass")},
    {7, QT_TRANSLATE_NOOP("ShowErrorDetail", "Không thể giải quyết yêu cầu")},
    {8, QT_TRANSLATE_NOOP("ShowErrorDetail", "Dữ liệu đã được sử dụng")},
    {9, QT_TRANSLATE_NOOP("ShowErrorDetail", "Mã xác nhận không chính xác")},
    {10, QT_TRANSLATE_NOOP("ShowErrorDetail", "Dữ liệu không phép rỗng")},
    {11, QT_TRANSLATE_NOOP("ShowErrorDetail", "Dữ liệu không nằm trong danh sách")},
    {12, QT_TRANSLATE_NOOP("ShowErrorDetail", "Dữ liệu tên file/folder không hợp lệ")},
    {13, QT_TRANSLATE_NOOP("ShowErrorDetail", "Dữ liệu phải là số nguyên")},
    {14, QT_TRANSLATE_NOOP("ShowErrorDetail", "Dữ liệu phải là định dạng email")},
    {15, QT_TRANSLATE_NOOP("ShowErrorDetail", "Dữ liệu URL không chính xác")},
    {20, QT_TRANSLATE_NOOP("ShowErrorDetail", "Dữ liệu đầu vào không hợp lệ")},
    {21, QT_TRANSLATE_NOOP("ShowErrorDetail", "Dữ liệu không tồn tại")},
    {22, QT_TRANSLATE_NOOP("ShowErrorDetail",
                           "Thư mục mặc định, không cho phép thực hiện chức năng này")},
    {23, QT_TRANSLATE_NOOP("ShowErrorDetail", "Dữ liệu đã bị xóa")},
    {24,
     QT_TRANSLATE_NOOP("ShowErrorDetail", "Loại thành viên không đủ quyền thực hiện chức năng")},
    {25, QT_TRANSLATE_NOOP("ShowErrorDetail", "Dữ liệu đã có trong danh sách")},
    {26, QT_TRANSLATE_NOOP("ShowErrorDetail", "Dung lượng không đủ để thực hiện chức năng")},
    {27, QT_TRANSLATE_NOOP("ShowErrorDetail", "User không tồn tại")},
    {28, QT_TRANSLATE_NOOP("ShowErrorDetail", "Gửi mail không thành công")},
    {104, QT_TRANSLATE_NOOP("ShowErrorDetail",
                            "Thao tác đổi tên thành công, nhưng bị thay đổi nội dung")},
    {108, QT_TRANSLATE_NOOP("ShowErrorDetail", "Thực hiện thao tác di chuyển ngay tại vị trí cũ")},
    {109, QT_TRANSLATE_NOOP("ShowErrorDetail", "Thao tác di chuyển phải thực hiện vào Thư mục")},
    {110, QT_TRANSLATE_NOOP("ShowErrorDetail",
                            "Không thực hiện thao tác di chuyển vào thư mục con của nó")},
    {111, QT_TRANSLATE_NOOP("ShowErrorDetail", "Thao tác copy phải thực hiện vào Thư mục")},
    {112,
     QT_TRANSLATE_NOOP("ShowErrorDetail", "Không thực hiện thao tác copy vào thư mục con của nó")},
    {113, QT_TRANSLATE_NOOP("ShowErrorDetail", "Thao tác clone phải thực hiện vào Thư mục")},
    {114, QT_TRANSLATE_NOOP("ShowErrorDetail", "Tài nguyên không Public")},
    {115, QT_TRANSLATE_NOOP("ShowErrorDetail", "Dung lượng trafic không đủ")},
    {116, QT_TRANSLATE_NOOP("ShowErrorDetail", "Dung lượng trafic đủ")},
    {117, QT_TRANSLATE_NOOP("ShowErrorDetail",
                            "Không thực hiện thao tác di chuyển thư mục đó vào chính nó")},
    {120, QT_TRANSLATE_NOOP("ShowErrorDetail", "File clone không đúng định dạng")},
    {401, QT_TRANSLATE_NOOP("ShowErrorDetail", "Dữ liệu đầu vào không chính xác")},
    {404, QT_TRANSLATE_NOOP("ShowErrorDetail", "Không tồn tại!")},
    {500, QT_TRANSLATE_NOOP("ShowErrorDetail", "Lỗi server")},
};

const char* const kOtherCodeText =
    QT_TRANSLATE_NOOP("ShowErrorDetail", "Thực hiện không thành công");

const CodeText* lookup(int code) {
    for (const CodeText& entry : kCodeTexts)
        if (entry.code == code)
            return &entry;
    return nullptr;
}

} // namespace

ShowErrorDetail::ShowErrorDetail(int errorCode, QWidget* parent)
    : QWidget(parent), m_errorCode(errorCode) {}

ShowErrorDetail::~ShowErrorDetail() = default;

bool ShowErrorDetail::hasText(int code) {
    return lookup(code) != nullptr;
}

QString ShowErrorDetail::errorText(int code) {
    const CodeText* entry = lookup(code);
    return tr(entry ? entry->text : kOtherCodeText);
}

QString ShowErrorDetail::errorTitle(int code) {
    const int shown = hasText(code) ? code : -1;
    return tr("Lỗi ") + QLatin1Char('(') + QString::number(shown) + QLatin1Char(')');
}

void ShowErrorDetail::errorMessage() {
    const QString text = errorText(m_errorCode);
    const QString title = errorTitle(m_errorCode);
    if (!hasText(m_errorCode))
        m_errorCode = -1;
    UserPrompt::current()->critical(this, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}
