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
        <source>tập tin rỗng</source>
        <translation>tập tin rỗng</translation>
    </message>
    <message>
        <source>Vui lòng kiểm tra lại đường dẫn %1</source>
        <translation>Vui lòng kiểm tra lại đường dẫn %1</translation>
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
        <translation>Đang tải...</translation>
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
        <translation>Tải về dạng tập tin zip</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tải xuống&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tải xuống&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Chọn thư mục</source>
        <translation>Chọn thư mục</translation>
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
        <translation>Đang tải...</translation>
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
    <name>DialogOption</name>
    <message>
        <source>Tùy chỉnh</source>
        <translation>Tùy chỉnh</translation>
    </message>
    <message>
        <source>Các tùy chọn được lưu trong tệp cấu hình của chương trình.</source>
        <translation>Các tùy chọn được lưu trong tệp cấu hình của chương trình.</translation>
    </message>
</context>
<context>
    <name>DialogTurnOff</name>
    <message>
        <source>Hệ thống sẽ tự động tắt máy của bạn trong:</source>
        <translation>Hệ thống sẽ tự động tắt máy của bạn trong:</translation>
    </message>
    <message>
        <source>Ngưng tắt máy</source>
        <translation>Ngưng tắt máy</translation>
    </message>
</context>
<context>
    <name>DialogUpload</name>
    <message>
        <source>Tải lên</source>
        <translation>Tải lên</translation>
    </message>
    <message>
        <source>Tập tin đã chọn:</source>
        <translation>Tập tin đã chọn:</translation>
    </message>
    <message>
        <source>Thư mục trên máy chủ:</source>
        <translation>Thư mục trên máy chủ:</translation>
    </message>
</context>
<context>
    <name>DownloadFile</name>
    <message>
        <source>Tạo link thất bại!</source>
        <translation>Tạo link thất bại!</translation>
    </message>
    <message>
        <source>Thư mục không tồn tại.</source>
        <translation>Thư mục không tồn tại.</translation>
    </message>
    <message>
        <source>Không tạo được kết nối để tải tập tin.</source>
        <translation>Không tạo được kết nối để tải tập tin.</translation>
    </message>
    <message>
        <source>Chờ... </source>
        <translation>Chờ... </translation>
    </message>
    <message>
        <source>Chờ %1 s</source>
        <translation>Chờ %1 s</translation>
    </message>
    <message>
        <source>Tập tin trên máy lớn hơn tập tin cần tải. Vui lòng chọn đường dẫn khác để tải.</source>
        <translation>Tập tin trên máy lớn hơn tập tin cần tải. Vui lòng chọn đường dẫn khác để tải.</translation>
    </message>
    <message>
        <source>Error opening local file</source>
        <translation>Không mở được tập tin trên máy</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Đang tải xuống</translation>
    </message>
    <message>
        <source>Dừng</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>Partial file downloaded</source>
        <translation>Tập tin tải về chưa đầy đủ</translation>
    </message>
    <message>
        <source>Service is not available</source>
        <translation>Dịch vụ không khả dụng</translation>
    </message>
    <message>
        <source>Lỗi kết nối máy chủ. Vui lòng kiểm tra lại kết nối mạng.</source>
        <translation>Lỗi kết nối máy chủ. Vui lòng kiểm tra lại kết nối mạng.</translation>
    </message>
    <message>
        <source>Không đủ dung lượng trống để lưu trữ tập tin</source>
        <translation>Không đủ dung lượng trống để lưu trữ tập tin</translation>
    </message>
    <message>
        <source>Lỗi ghi dữ liệu xuống file.</source>
        <translation>Lỗi ghi dữ liệu xuống file.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Hoàn thành</translation>
    </message>
    <message>
        <source>Phân vùng FAT32 không thể chứa tập tin lớn hơn 4GB. Vui lòng chọn đường dẫn khác để tải.</source>
        <translation>Phân vùng FAT32 không thể chứa tập tin lớn hơn 4GB. Vui lòng chọn đường dẫn khác để tải.</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Đang chuẩn bị</translation>
    </message>
    <message>
        <source>Tập tin có mật khẩu. Double click để nhập mật khẩu!</source>
        <translation>Tập tin có mật khẩu. Double click để nhập mật khẩu!</translation>
    </message>
    <message>
        <source>Mật khẩu không đúng. Vui lòng nhập lại!</source>
        <translation>Mật khẩu không đúng. Vui lòng nhập lại!</translation>
    </message>
    <message>
        <source>Quá số IP cho phép. Tài khoản của quý khách đang được sử dụng quá số IP cho phép.</source>
        <translation>Quá số IP cho phép. Tài khoản của quý khách đang được sử dụng quá số IP cho phép.</translation>
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
    <message>
        <source>Tập tin</source>
        <translation>Tập tin</translation>
    </message>
    <message>
        <source>Trạng thái</source>
        <translation>Trạng thái</translation>
    </message>
    <message>
        <source>Tiến trình</source>
        <translation>Tiến trình</translation>
    </message>
    <message>
        <source>Tốc độ</source>
        <translation>Tốc độ</translation>
    </message>
    <message>
        <source>Kết thúc</source>
        <translation>Kết thúc</translation>
    </message>
    <message>
        <source>Lỗi download!

Bạn nên chọn Yes để Brisko tool khởi động lại
v�  tiếp tục download. Hoặc chọn No để thử lại.</source>
        <translation>Lỗi tải xuống!

Bạn nên chọn Yes để Brisko Tool khởi động lại
và tiếp tục tải. Hoặc chọn No để thử lại.</translation>
    </message>
    <message>
        <source>Lỗi Download</source>
        <translation>Lỗi Download</translation>
    </message>
    <message>
        <source>Tạm dừng</source>
        <translation>Tạm dừng</translation>
    </message>
    <message>
        <source>Tải tập tin</source>
        <translation>Tải tập tin</translation>
    </message>
    <message>
        <source>Xem video online</source>
        <translation>Xem video online</translation>
    </message>
    <message>
        <source>Di chuyển lên đầu</source>
        <translation>Di chuyển lên đầu</translation>
    </message>
    <message>
        <source>Di chuyển lên</source>
        <translation>Di chuyển lên</translation>
    </message>
    <message>
        <source>Di chuyển xuống</source>
        <translation>Di chuyển xuống</translation>
    </message>
    <message>
        <source>Di chuyển xuống cuối</source>
        <translation>Di chuyển xuống cuối</translation>
    </message>
    <message>
        <source>Xóa</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Thông tin file</source>
        <translation>Thông tin file</translation>
    </message>
    <message>
        <source>Mở tập tin</source>
        <translation>Mở tập tin</translation>
    </message>
    <message>
        <source>Mở thư mục chứa tập tin</source>
        <translation>Mở thư mục chứa tập tin</translation>
    </message>
    <message>
        <source>Tải lại</source>
        <translation>Tải lại</translation>
    </message>
    <message>
        <source>Thông tin</source>
        <translation>Thông tin</translation>
    </message>
    <message>
        <source>Hãy chọn các tập tin để bắt đầu tải xuống</source>
        <translation>Hãy chọn các tập tin để bắt đầu tải xuống</translation>
    </message>
    <message>
        <source>Hãy chọn các tập tin cần tạm dừng tải xuống</source>
        <translation>Hãy chọn các tập tin cần tạm dừng tải xuống</translation>
    </message>
    <message>
        <source>Xác nhận xóa</source>
        <translation>Xác nhận xóa</translation>
    </message>
    <message>
        <source>Bạn có chắc muốn xóa tập tin này không?</source>
        <translation>Bạn có chắc muốn xóa tập tin này không?</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Vui lòng chọn ít nhất một tập tin cần xoá</source>
        <translation>Vui lòng chọn ít nhất một tập tin cần xoá</translation>
    </message>
    <message>
        <source>Bạn phải &lt;b&gt;dừng tải xuống&lt;/b&gt; các tập tin đã chọn trước khi xóa</source>
        <translation>Bạn phải &lt;b&gt;dừng tải xuống&lt;/b&gt; các tập tin đã chọn trước khi xóa</translation>
    </message>
    <message>
        <source>Xác nhận tải lại</source>
        <translation>Xác nhận tải lại</translation>
    </message>
    <message>
        <source>Bạn có chắc muốn tải lại tập tin này không?
Sau khi bạn tải lại nếu tập tin tồn tại sẽ bị xóa.</source>
        <translation>Bạn có chắc muốn tải lại tập tin này không?
Sau khi bạn tải lại nếu tập tin tồn tại sẽ bị xóa.</translation>
    </message>
    <message>
        <source>Lỗi mở tập tin</source>
        <translation>Lỗi mở tập tin</translation>
    </message>
    <message>
        <source>Tập tin bạn chọn không tồn tại</source>
        <translation>Tập tin bạn chọn không tồn tại</translation>
    </message>
    <message>
        <source>Lỗi mở thư mục</source>
        <translation>Lỗi mở thư mục</translation>
    </message>
    <message>
        <source>Thư mục bạn chọn không tồn tại</source>
        <translation>Thư mục bạn chọn không tồn tại</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>Không đủ dung lượng trống để lưu danh sách tải xuống</source>
        <translation>Không đủ dung lượng trống để lưu danh sách tải xuống</translation>
    </message>
    <message>
        <source>Lỗi lưu danh sách tải xuống</source>
        <translation>Lỗi lưu danh sách tải xuống</translation>
    </message>
    <message>
        <source>Lỗi thông tin tải xuống: </source>
        <translation>Lỗi thông tin tải xuống: </translation>
    </message>
    <message>
        <source>Danh sách các tập tin tải xuống bị lỗi
Vui lòng thêm lại vào danh sách</source>
        <translation>Danh sách các tập tin tải xuống bị lỗi
Vui lòng thêm lại vào danh sách</translation>
    </message>
    <message>
        <source>Chương trình không hỗ trợ mở loại định dạng của tập tin này</source>
        <translation>Chương trình không hỗ trợ mở loại định dạng của tập tin này</translation>
    </message>
    <message>
        <source>View Online</source>
        <translation>Đang xem trực tuyến</translation>
    </message>
</context>
<context>
    <name>FormInfo</name>
    <message>
        <source>Đăng xuất</source>
        <translation>Đăng xuất</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tài khoản:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Mã thành viên:&lt;/b&gt; %2&lt;br&gt;&lt;b&gt;Loại thành viên:&lt;/b&gt; %3</source>
        <translation>&lt;b&gt;Tài khoản:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Mã thành viên:&lt;/b&gt; %2&lt;br&gt;&lt;b&gt;Loại thành viên:&lt;/b&gt; %3</translation>
    </message>
</context>
<context>
    <name>FormManage</name>
    <message>
        <source>Thư mục gốc của tài khoản</source>
        <translation>Thư mục gốc của tài khoản</translation>
    </message>
</context>
<context>
    <name>FormUpload</name>
    <message>
        <source>Tập tin chờ tải lên:</source>
        <translation>Tập tin chờ tải lên:</translation>
    </message>
</context>
<context>
    <name>LoginForm</name>
    <message>
        <source>Đăng nhập Brisko Tool</source>
        <translation>Đăng nhập Brisko Tool</translation>
    </message>
    <message>
        <source>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;Nếu bạn chưa có tài khoản, vui lòng &lt;a href=&quot;%1/signup&quot;&gt;đăng ký&lt;/a&gt; tại đây</source>
        <translation>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;Nếu bạn chưa có tài khoản, vui lòng &lt;a href=&quot;%1/signup&quot;&gt;đăng ký&lt;/a&gt; tại đây</translation>
    </message>
    <message>
        <source>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;&lt;a href=&quot;%1/forgot&quot;&gt;Quên mật khẩu?&lt;/a&gt;</source>
        <translation>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;&lt;a href=&quot;%1/forgot&quot;&gt;Quên mật khẩu?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ghi nhớ</source>
        <translation>Ghi nhớ</translation>
    </message>
    <message>
        <source>Thư điện tử</source>
        <translation>Thư điện tử</translation>
    </message>
    <message>
        <source>Đăng nhập</source>
        <translation>Đăng nhập</translation>
    </message>
    <message>
        <source>Thoát</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>Tự động đăng nhập</source>
        <translation>Tự động đăng nhập</translation>
    </message>
    <message>
        <source>Mật khẩu</source>
        <translation>Mật khẩu</translation>
    </message>
    <message>
        <source>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;&lt;a href=&quot;/option&quot;&gt;Tùy chọn&lt;/a&gt;</source>
        <translation>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;&lt;a href=&quot;/option&quot;&gt;Tùy chọn&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Đang tải...</translation>
    </message>
    <message>
        <source>1.0.0</source>
        <translation>1.0.0</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Đang tải...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Đang kiểm tra phiên bản mới&lt;/b&gt;</source>
        <translation>&lt;b&gt;Đang kiểm tra phiên bản mới&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Kết nối mạng bị lỗi 
</source>
        <translation>Kết nối mạng bị lỗi 
</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>MainWindow</source>
        <translation>Brisko Tool</translation>
    </message>
    <message>
        <source>Tải xuống: %1</source>
        <translation>Tải xuống: %1</translation>
    </message>
    <message>
        <source>Tải lên: %1</source>
        <translation>Tải lên: %1</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Phóng to</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Thu nhỏ</translation>
    </message>
    <message>
        <source>Tải lên</source>
        <translation>Tải lên</translation>
    </message>
    <message>
        <source>Tải xuống</source>
        <translation>Tải xuống</translation>
    </message>
    <message>
        <source>Quản lý file</source>
        <translation>Quản lý file</translation>
    </message>
    <message>
        <source>Thông tin</source>
        <translation>Thông tin</translation>
    </message>
    <message>
        <source>Tìm nội dung</source>
        <translation>Tìm nội dung</translation>
    </message>
    <message>
        <source>Tài &amp;khoản</source>
        <translation>Tài &amp;khoản</translation>
    </message>
    <message>
        <source>&amp;Công cụ</source>
        <translation>&amp;Công cụ</translation>
    </message>
    <message>
        <source>T&amp;rợ giúp</source>
        <translation>T&amp;rợ giúp</translation>
    </message>
    <message>
        <source>Tạ&amp;o mới</source>
        <translation>Tạ&amp;o mới</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Brisko</source>
        <translation>&amp;Brisko</translation>
    </message>
    <message>
        <source>Tùy &amp;chỉnh</source>
        <translation>Tùy &amp;chỉnh</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Đăng &amp;xuất</source>
        <translation>Đăng &amp;xuất</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Thoát</source>
        <translation>&amp;Thoát</translation>
    </message>
    <message>
        <source>Xem &amp;thông tin</source>
        <translation>Xem &amp;thông tin</translation>
    </message>
    <message>
        <source>Shift+X</source>
        <translation>Shift+X</translation>
    </message>
    <message>
        <source>Hướng dẫn sử dụng</source>
        <translation>Hướng dẫn sử dụng</translation>
    </message>
    <message>
        <source>Nhập link từ file...</source>
        <translation>Nhập link từ file...</translation>
    </message>
    <message>
        <source>Nhập link download Brisko từ file văn bản</source>
        <translation>Nhập link download Brisko từ file văn bản</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Dán đường dẫn</source>
        <translation>Dán đường dẫn</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <comment>&amp;Upload</comment>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>Mở chương trình</source>
        <translation>Mở chương trình</translation>
    </message>
    <message>
        <source>Đóng chương trình</source>
        <translation>Đóng chương trình</translation>
    </message>
    <message>
        <source>Chọn tập tin</source>
        <translation>Chọn tập tin</translation>
    </message>
    <message>
        <source>Txt file(*.txt)</source>
        <translation>Tập tin văn bản (*.txt)</translation>
    </message>
    <message>
        <source>Tiến trình tải xuống</source>
        <translation>Tiến trình tải xuống</translation>
    </message>
    <message>
        <source>Hoàn thành: </source>
        <translation>Hoàn thành: </translation>
    </message>
    <message>
        <source>Tiến trình tải lên</source>
        <translation>Tiến trình tải lên</translation>
    </message>
    <message>
        <source>Thông tin</source>
        <comment>about the program</comment>
        <translation>Thông tin</translation>
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
    <name>QApplication</name>
    <message>
        <source>Login error! (%1)</source>
        <translation>Lỗi đăng nhập (%1)</translation>
    </message>
    <message>
        <source>Thoát!</source>
        <translation>Thoát!</translation>
    </message>
    <message>
        <source>Bạn có chắc muốn thoát khỏi chương trình?</source>
        <translation>Bạn có chắc muốn thoát khỏi chương trình?</translation>
    </message>
    <message>
        <source>Đăng xuất!</source>
        <translation>Đăng xuất!</translation>
    </message>
    <message>
        <source>Bạn có chắc muốn đăng xuất ?</source>
        <translation>Bạn có chắc muốn đăng xuất ?</translation>
    </message>
    <message>
        <source>Lỗi (%1)</source>
        <translation>Lỗi (%1)</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Thư mục</translation>
    </message>
    <message>
        <source>Thư mục không tồn tại, bạn có muốn tạo thư mục này không?</source>
        <translation>Thư mục không tồn tại, bạn có muốn tạo thư mục này không?</translation>
    </message>
    <message>
        <source>Tạo thư mục thất bại. Bạn vui lòng kiểm tra lại đường dẫn &lt;b&gt;%1&lt;/b&gt;.</source>
        <translation>Tạo thư mục thất bại. Bạn vui lòng kiểm tra lại đường dẫn &lt;b&gt;%1&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Tải xuống</translation>
    </message>
    <message>
        <source>Vui lòng nhập đường dẫn tải xuống của brisko.</source>
        <translation>Vui lòng nhập đường dẫn tải xuống của brisko.</translation>
    </message>
    <message>
        <source>Vui lòng chọn đường dẫn thư mục!</source>
        <translation>Vui lòng chọn đường dẫn thư mục!</translation>
    </message>
</context>
<context>
    <name>RssManager</name>
    <message>
        <source>Chưa có nguồn phim nào.</source>
        <translation>Chưa có nguồn phim nào.</translation>
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
    <name>TableDownloadModel</name>
    <message>
        <source>Queued</source>
        <translation>Trong hàng đợi</translation>
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
<context>
    <name>UploadFile</name>
    <message>
        <source>Lỗi kết nối mạng.</source>
        <translation>Lỗi kết nối mạng.</translation>
    </message>
    <message>
        <source>Lấy không được thông tin user</source>
        <translation>Lấy không được thông tin user</translation>
    </message>
    <message>
        <source>Đã hết dung lượng bảo đảm!</source>
        <translation>Đã hết dung lượng bảo đảm!</translation>
    </message>
    <message>
        <source>Đã hết dung lượng không bảo đảm!</source>
        <translation>Đã hết dung lượng không bảo đảm!</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Đang chuẩn bị</translation>
    </message>
    <message>
        <source>Dừng</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>Tập tin bị thay đổi. Vui lòng tạo lại phiên tải lên khác để tải lên lại.</source>
        <translation>Tập tin bị thay đổi. Vui lòng tạo lại phiên tải lên khác để tải lên lại.</translation>
    </message>
    <message>
        <source>Upload file not found</source>
        <translation>Không tìm thấy tập tin cần tải lên</translation>
    </message>
    <message>
        <source>Không thể mở tập tin</source>
        <translation>Không thể mở tập tin</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Đang tải lên</translation>
    </message>
    <message>
        <source>Lỗi tải lên! Thử lại sau %1s</source>
        <translation>Lỗi tải lên! Thử lại sau %1s</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Đang hoàn tất</translation>
    </message>
    <message>
        <source>Đăng ký tập tin với server thất bại!</source>
        <translation>Đăng ký tập tin với server thất bại!</translation>
    </message>
</context>
<context>
    <name>dialogabout</name>
    <message>
        <source>Thông tin</source>
        <translation>Thông tin</translation>
    </message>
</context>
</TS>
