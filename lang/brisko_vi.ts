<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN">
<context>
    <name>ActionThread</name>
    <message>
        <source>Không đọc được thông tin tài khoản</source>
        <translation>Không đọc được thông tin tài khoản</translation>
    </message>
    <message>
        <source>Vui lòng kiểm tra lại đường dẫn </source>
        <translation>Vui lòng kiểm tra lại đường dẫn </translation>
    </message>
    <message>
        <source>tập tin rỗng</source>
        <translation>tập tin rỗng</translation>
    </message>
</context>
<context>
    <name>DialogDownload</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Chọn đường dẫn</source>
        <translation>Chọn đường dẫn</translation>
    </message>
    <message>
        <source>Lưu đến</source>
        <translation>Lưu đến</translation>
    </message>
    <message>
        <source>Đường dẫn</source>
        <translation>Đường dẫn</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Tải xuống</source>
        <translation>Tải xuống</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Loading....</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Sử dụng làm thư mục tải xuống mặc định</source>
        <translation>Sử dụng làm thư mục tải xuống mặc định</translation>
    </message>
    <message>
        <source>Xem Online</source>
        <translation>Xem Online</translation>
    </message>
    <message>
        <source>Download zip file</source>
        <translation>Download zip file</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tải xuống&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color="white"&gt;&lt;h2&gt;&lt;b&gt;Tải xuống&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
</context>
<context>
    <name>DialogLoading</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Loading....</translation>
    </message>
</context>
<context>
    <name>DialogMsg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Xem chi tiết</source>
        <translation>Xem chi tiết</translation>
    </message>
    <message>
        <source>Đóng lại</source>
        <translation>Đóng lại</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Thông báo&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Thông báo&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Thu nhỏ</source>
        <translation>Thu nhỏ</translation>
    </message>
</context>
<context>
    <name>FormDownload</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Tập tin đã tải</source>
        <translation>Tập tin đã tải</translation>
    </message>
    <message>
        <source>Tên file</source>
        <translation>Tên file</translation>
    </message>
    <message>
        <source>Dung lượng</source>
        <translation>Dung lượng</translation>
    </message>
    <message>
        <source>Link file</source>
        <translation>Link file</translation>
    </message>
    <message>
        <source>Thuộc thư mục</source>
        <translation>Thuộc thư mục</translation>
    </message>
    <message>
        <source>Tiến trình tải xuống</source>
        <translation>Tiến trình tải xuống</translation>
    </message>
    <message>
        <source>Tạm dừng tất cả</source>
        <translation>Tạm dừng tất cả</translation>
    </message>
    <message>
        <source>Bắt đầu tất cả</source>
        <translation>Bắt đầu tất cả</translation>
    </message>
    <message>
        <source>Xóa </source>
        <translation>Xóa </translation>
    </message>
    <message>
        <source>Tạm ngưng</source>
        <translation>Tạm ngưng</translation>
    </message>
    <message>
        <source>Bắt đầu</source>
        <translation>Bắt đầu</translation>
    </message>
    <message>
        <source>Tạo mới</source>
        <translation>Tạo mới</translation>
    </message>
</context>
<context>
    <name>LoginForm</name>
    <message>
        <source>Đăng nhập</source>
        <translation>Đăng nhập</translation>
    </message>
    <message>
        <source>Thoát</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>Email hoặc số điện thoại</source>
        <translation>Email hoặc số điện thoại</translation>
    </message>
    <message>
        <source>Mật khẩu</source>
        <translation>Mật khẩu</translation>
    </message>
    <message>
        <source>Đang kiểm tra phiên bản mới...</source>
        <translation>Đang kiểm tra phiên bản mới...</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Liên kết và tập tin nhận được:</source>
        <translation>Liên kết và tập tin nhận được:</translation>
    </message>
    <message>
        <source>Tài khoản: %1</source>
        <translation>Tài khoản: %1</translation>
    </message>
    <message>
        <source>Tải về: %1</source>
        <translation>Tải về: %1</translation>
    </message>
    <message>
        <source>Tải lên: %1</source>
        <translation>Tải lên: %1</translation>
    </message>
</context>
<context>
    <name>MediaPlayerInfo</name>
    <message>
        <source>Đang tải trình xem phim %1</source>
        <translation>Đang tải trình xem phim %1</translation>
    </message>
</context>
<context>
    <name>ShowErrorDetail</name>
    <message>
        <source>Dữ liệu ngày tháng không hợp lệ</source>
        <translation>Dữ liệu ngày tháng không hợp lệ</translation>
    </message>
    <message>
        <source>Toán tử không hợp lệ</source>
        <translation>Toán tử không hợp lệ</translation>
    </message>
    <message>
        <source>Thao tác không được phép thực hiện</source>
        <translation>Thao tác không được phép thực hiện</translation>
    </message>
    <message>
        <source>Tham số quá lớn</source>
        <translation>Tham số quá lớn</translation>
    </message>
    <message>
        <source>Đăng nhập sai Username hoặc Pass</source>
        <translation>Đăng nhập sai Username hoặc Pass</translation>
    </message>
    <message>
        <source>Không thể giải quyết yêu cầu</source>
        <translation>Không thể giải quyết yêu cầu</translation>
    </message>
    <message>
        <source>Dữ liệu đã được sử dụng</source>
        <translation>Dữ liệu đã được sử dụng</translation>
    </message>
    <message>
        <source>Mã xác nhận không chính xác</source>
        <translation>Mã xác nhận không chính xác</translation>
    </message>
    <message>
        <source>Dữ liệu không phép rỗng</source>
        <translation>Dữ liệu không phép rỗng</translation>
    </message>
    <message>
        <source>Dữ liệu không nằm trong danh sách</source>
        <translation>Dữ liệu không nằm trong danh sách</translation>
    </message>
    <message>
        <source>Dữ liệu tên file/folder không hợp lệ</source>
        <translation>Dữ liệu tên file/folder không hợp lệ</translation>
    </message>
    <message>
        <source>Dữ liệu phải là số nguyên</source>
        <translation>Dữ liệu phải là số nguyên</translation>
    </message>
    <message>
        <source>Dữ liệu phải là định dạng email</source>
        <translation>Dữ liệu phải là định dạng email</translation>
    </message>
    <message>
        <source>Dữ liệu URL không chính xác</source>
        <translation>Dữ liệu URL không chính xác</translation>
    </message>
    <message>
        <source>Dữ liệu đầu vào không hợp lệ</source>
        <translation>Dữ liệu đầu vào không hợp lệ</translation>
    </message>
    <message>
        <source>Dữ liệu không tồn tại</source>
        <translation>Dữ liệu không tồn tại</translation>
    </message>
    <message>
        <source>Thư mục mặc định, không cho phép thực hiện chức năng này</source>
        <translation>Thư mục mặc định, không cho phép thực hiện chức năng này</translation>
    </message>
    <message>
        <source>Dữ liệu đã bị xóa</source>
        <translation>Dữ liệu đã bị xóa</translation>
    </message>
    <message>
        <source>Loại thành viên không đủ quyền thực hiện chức năng</source>
        <translation>Loại thành viên không đủ quyền thực hiện chức năng</translation>
    </message>
    <message>
        <source>Dữ liệu đã có trong danh sách</source>
        <translation>Dữ liệu đã có trong danh sách</translation>
    </message>
    <message>
        <source>Dung lượng không đủ để thực hiện chức năng</source>
        <translation>Dung lượng không đủ để thực hiện chức năng</translation>
    </message>
    <message>
        <source>User không tồn tại</source>
        <translation>User không tồn tại</translation>
    </message>
    <message>
        <source>Gửi mail không thành công</source>
        <translation>Gửi mail không thành công</translation>
    </message>
    <message>
        <source>Thao tác đổi tên thành công, nhưng bị thay đổi nội dung</source>
        <translation>Thao tác đổi tên thành công, nhưng bị thay đổi nội dung</translation>
    </message>
    <message>
        <source>Thực hiện thao tác di chuyển ngay tại vị trí cũ</source>
        <translation>Thực hiện thao tác di chuyển ngay tại vị trí cũ</translation>
    </message>
    <message>
        <source>Thao tác di chuyển phải thực hiện vào Thư mục</source>
        <translation>Thao tác di chuyển phải thực hiện vào Thư mục</translation>
    </message>
    <message>
        <source>Không thực hiện thao tác di chuyển vào thư mục con của nó</source>
        <translation>Không thực hiện thao tác di chuyển vào thư mục con của nó</translation>
    </message>
    <message>
        <source>Thao tác copy phải thực hiện vào Thư mục</source>
        <translation>Thao tác copy phải thực hiện vào Thư mục</translation>
    </message>
    <message>
        <source>Không thực hiện thao tác copy vào thư mục con của nó</source>
        <translation>Không thực hiện thao tác copy vào thư mục con của nó</translation>
    </message>
    <message>
        <source>Thao tác clone phải thực hiện vào Thư mục</source>
        <translation>Thao tác clone phải thực hiện vào Thư mục</translation>
    </message>
    <message>
        <source>Tài nguyên không Public</source>
        <translation>Tài nguyên không Public</translation>
    </message>
    <message>
        <source>Dung lượng trafic không đủ</source>
        <translation>Dung lượng trafic không đủ</translation>
    </message>
    <message>
        <source>Dung lượng trafic đủ</source>
        <translation>Dung lượng trafic đủ</translation>
    </message>
    <message>
        <source>Không thực hiện thao tác di chuyển thư mục đó vào chính nó</source>
        <translation>Không thực hiện thao tác di chuyển thư mục đó vào chính nó</translation>
    </message>
    <message>
        <source>File clone không đúng định dạng</source>
        <translation>File clone không đúng định dạng</translation>
    </message>
    <message>
        <source>Dữ liệu đầu vào không chính xác</source>
        <translation>Dữ liệu đầu vào không chính xác</translation>
    </message>
    <message>
        <source>Không tồn tại!</source>
        <translation>Không tồn tại!</translation>
    </message>
    <message>
        <source>Lỗi server</source>
        <translation>Lỗi server</translation>
    </message>
    <message>
        <source>Thực hiện không thành công</source>
        <translation>Thực hiện không thành công</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>Lỗi </translation>
    </message>
</context>
<context>
    <name>SimpleDownloadDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Đang tải ...</source>
        <translation>Đang tải ...</translation>
    </message>
</context>
<context>
    <name>UpdateHelper</name>
    <message>
        <source>Brisko Tool của bạn đã được cập nhật thành công</source>
        <translation>Brisko Tool của bạn đã được cập nhật thành công</translation>
    </message>
    <message>
        <source>Quá trình cập nhật bị lỗi. Thử lại lần nữa?</source>
        <translation>Quá trình cập nhật bị lỗi. Thử lại lần nữa?</translation>
    </message>
    <message>
        <source>Phiên bản Brisko Tool của bạn quá cũ.&lt;br&gt;Vui lòng tải phiên bản mới tại %1</source>
        <translation>Phiên bản Brisko Tool của bạn quá cũ.&lt;br&gt;Vui lòng tải phiên bản mới tại %1</translation>
    </message>
    <message>
        <source>Brisko Tool đã có phiên bản %1.
Bạn có muốn tải &amp; cập nhật ngay không?</source>
        <translation>Brisko Tool đã có phiên bản %1.
Bạn có muốn tải &amp; cập nhật ngay không?</translation>
    </message>
    <message>
        <source>Phiên bản Brisko Tool của bạn quá cũ.&lt;br&gt;Chọn &lt;b&gt;Ok&lt;/b&gt; để cập nhật lên phiên bản %1.</source>
        <translation>Phiên bản Brisko Tool của bạn quá cũ.&lt;br&gt;Chọn &lt;b&gt;Ok&lt;/b&gt; để cập nhật lên phiên bản %1.</translation>
    </message>
    <message>
        <source>Đang tải tập tin cập nhật...</source>
        <translation>Đang tải tập tin cập nhật...</translation>
    </message>
    <message>
        <source>Lỗi không xác định khi tải tập tin cập nhật. Vui lòng thử lại sau&lt;br&gt;Hoặc tải trực tiếp tại %1</source>
        <translation>Lỗi không xác định khi tải tập tin cập nhật. Vui lòng thử lại sau&lt;br&gt;Hoặc tải trực tiếp tại %1</translation>
    </message>
    <message>
        <source>Cập nhật đã bị hủy hoặc bị lỗi khi tải về</source>
        <translation>Cập nhật đã bị hủy hoặc bị lỗi khi tải về</translation>
    </message>
</context>
</TS>
