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
    <name>DialogCopyFile</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Sao chép&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Sao chép&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Sao chép đến:</source>
        <translation>Sao chép đến:</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Loading....</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>Lỗi </translation>
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
    <name>DialogFileInfo</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Tên tập tin</source>
        <translation>Tên tập tin</translation>
    </message>
    <message>
        <source>Dung lượng</source>
        <translation>Dung lượng</translation>
    </message>
    <message>
        <source>0KB</source>
        <translation>0KB</translation>
    </message>
    <message>
        <source>Mật khẩu</source>
        <translation>Mật khẩu</translation>
    </message>
    <message>
        <source>Tình trạng</source>
        <translation>Tình trạng</translation>
    </message>
    <message>
        <source>Đường dẫn tải về</source>
        <translation>Đường dẫn tải về</translation>
    </message>
    <message>
        <source>Lưu tại</source>
        <translation>Lưu tại</translation>
    </message>
    <message>
        <source>Chọn đường dẫn</source>
        <translation>Chọn đường dẫn</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Thông tin file&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Thông tin file&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Open_dir</source>
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
    <name>DialogMoveFIle</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Đến thư mục:</source>
        <translation>Đến thư mục:</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Chuyển File&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Chuyển File&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Loading....</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>Lỗi </translation>
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
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>title</source>
        <translation>title</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Chú ý</source>
        <translation>Chú ý</translation>
    </message>
    <message>
        <source>Bạn cần khởi động lại chương trình để các tùy chỉnh có hiệu lực.</source>
        <translation>Bạn cần khởi động lại chương trình để các tùy chỉnh có hiệu lực.</translation>
    </message>
    <message>
        <source>Khởi động lại</source>
        <translation>Khởi động lại</translation>
    </message>
    <message>
        <source>Khởi động sau</source>
        <translation>Khởi động sau</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Hủy</translation>
    </message>
</context>
<context>
    <name>DialogPlayVideo</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Tên tập tin video:</source>
        <translation>Tên tập tin video:</translation>
    </message>
    <message>
        <source>Dung lượng:</source>
        <translation>Dung lượng:</translation>
    </message>
    <message>
        <source>Tải xuống và xem</source>
        <translation>Tải xuống và xem</translation>
    </message>
    <message>
        <source>Chọn chương trình xem video</source>
        <translation>Chọn chương trình xem video</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>VLC Media Player</source>
        <translation>VLC Media Player</translation>
    </message>
    <message>
        <source>Media Player Classic</source>
        <translation>Media Player Classic</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Xem video&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Xem video&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Tìm phụ đề</source>
        <translation>Tìm phụ đề</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Chương trình xem video bạn chọn chưa được cài đặt.&lt;br&gt;Bạn có muốn cài đặt để xem video không?</source>
        <translation>Chương trình xem video bạn chọn chưa được cài đặt.&lt;br&gt;Bạn có muốn cài đặt để xem video không?</translation>
    </message>
    <message>
        <source>Lỗi!</source>
        <translation>Lỗi!</translation>
    </message>
    <message>
        <source>Lỗi kết nối mạng. 
Vui lòng kiểm tra lại</source>
        <translation>Lỗi kết nối mạng. 
Vui lòng kiểm tra lại</translation>
    </message>
    <message>
        <source>Thực hiện không thành công.</source>
        <translation>Thực hiện không thành công.</translation>
    </message>
    <message>
        <source>Chương trình không hỗ trợ mở loại định dạng của tập tin này</source>
        <translation>Chương trình không hỗ trợ mở loại định dạng của tập tin này</translation>
    </message>
    <message>
        <source>Bạn vui lòng chờ đến khi tiến trình tải xuống lớn hơn 1% thì chương trình sẽ tự động mở video này.</source>
        <translation>Bạn vui lòng chờ đến khi tiến trình tải xuống lớn hơn 1% thì chương trình sẽ tự động mở video này.</translation>
    </message>
    <message>
        <source>Bạn vui lòng chờ tiến trình tải xuống lớn hơn 1% để xem video này.</source>
        <translation>Bạn vui lòng chờ tiến trình tải xuống lớn hơn 1% để xem video này.</translation>
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
    <message>
        <source>Tự động tắt máy</source>
        <translation>Tự động tắt máy</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Đóng</translation>
    </message>
</context>
<context>
    <name>DialogUpload</name>
    <message>
        <source>Brisko Upload</source>
        <translation>Brisko Upload</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tải lên&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tải lên&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Chọn tập tin</source>
        <translation>Chọn tập tin</translation>
    </message>
    <message>
        <source>Chọn đường dẫn</source>
        <translation>Chọn đường dẫn</translation>
    </message>
    <message>
        <source>Lưu vào vùng bảo đảm</source>
        <translation>Lưu vào vùng bảo đảm</translation>
    </message>
    <message>
        <source>Chọn thư mục</source>
        <translation>Chọn thư mục</translation>
    </message>
    <message>
        <source>Tạo thư mục mới</source>
        <translation>Tạo thư mục mới</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Bạn có đồng ý với tất cả </source>
        <translation>Bạn có đồng ý với tất cả </translation>
    </message>
    <message>
        <source>điều khoản</source>
        <translation>điều khoản</translation>
    </message>
    <message>
        <source> của </source>
        <translation> của </translation>
    </message>
    <message>
        <source>Chọn tập tin tải lên</source>
        <translation>Chọn tập tin tải lên</translation>
    </message>
    <message>
        <source>Tên tập tin &quot;</source>
        <translation>Tên tập tin &quot;</translation>
    </message>
    <message>
        <source>&quot; chứa kí tự đặc biệt</source>
        <translation>&quot; chứa kí tự đặc biệt</translation>
    </message>
    <message>
        <source>Tất cả tập tin (*)</source>
        <translation>Tất cả tập tin (*)</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>Lỗi </translation>
    </message>
</context>
<context>
    <name>Dialogcreatefol</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>Tên thư mục:</source>
        <translation>Tên thư mục:</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tạo Folder Mới&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tạo Folder Mới&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>Lỗi </translation>
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
    <message>
        <source>Máy chủ gửi nhiều dữ liệu hơn kích thước tập tin.</source>
        <translation>Máy chủ gửi nhiều dữ liệu hơn kích thước tập tin.</translation>
    </message>
    <message>
        <source>Tập tin trên máy chủ đã thay đổi. Vui lòng tải lại tập tin.</source>
        <translation>Tập tin trên máy chủ đã thay đổi. Vui lòng tải lại tập tin.</translation>
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
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>FormInfo</name>
    <message>
        <source>Đăng xuất</source>
        <translation>Đăng xuất</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Tài khoản:</source>
        <translation>Tài khoản:</translation>
    </message>
    <message>
        <source>Tài khoản</source>
        <translation>Tài khoản</translation>
    </message>
    <message>
        <source>Mã thành viên:</source>
        <translation>Mã thành viên:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Thời hạn dùng:</source>
        <translation>Thời hạn dùng:</translation>
    </message>
    <message>
        <source>92 ngày</source>
        <translation>92 ngày</translation>
    </message>
    <message>
        <source>Loại thành viên:</source>
        <translation>Loại thành viên:</translation>
    </message>
    <message>
        <source>Click vào để mua VIP</source>
        <translation>Click vào để mua VIP</translation>
    </message>
    <message>
        <source>Lượt tải còn lại:</source>
        <translation>Lượt tải còn lại:</translation>
    </message>
    <message>
        <source>99 lượt</source>
        <translation>99 lượt</translation>
    </message>
    <message>
        <source>File upload tối đa:</source>
        <translation>File upload tối đa:</translation>
    </message>
    <message>
        <source>Upload size</source>
        <translation>Upload size</translation>
    </message>
    <message>
        <source>Điểm thưởng:</source>
        <translation>Điểm thưởng:</translation>
    </message>
    <message>
        <source>85 điểm</source>
        <translation>85 điểm</translation>
    </message>
    <message>
        <source>Tài khoản mở:</source>
        <translation>Tài khoản mở:</translation>
    </message>
    <message>
        <source>12/12/2009</source>
        <translation>12/12/2009</translation>
    </message>
    <message>
        <source>Tổng file upload:</source>
        <translation>Tổng file upload:</translation>
    </message>
    <message>
        <source>1000 file</source>
        <translation>1000 file</translation>
    </message>
    <message>
        <source>Tổng file download:</source>
        <translation>Tổng file download:</translation>
    </message>
    <message>
        <source>100 file</source>
        <translation>100 file</translation>
    </message>
    <message>
        <source>Kích hoạt tải trực tiếp</source>
        <translation>Kích hoạt tải trực tiếp</translation>
    </message>
    <message>
        <source>DL bảo đảm đã dùng:</source>
        <translation>DL bảo đảm đã dùng:</translation>
    </message>
    <message>
        <source>0.93GB</source>
        <translation>0.93GB</translation>
    </message>
    <message>
        <source>DL bảo đảm còn lại:</source>
        <translation>DL bảo đảm còn lại:</translation>
    </message>
    <message>
        <source>DL không bảo đảm đã dùng:</source>
        <translation>DL không bảo đảm đã dùng:</translation>
    </message>
    <message>
        <source>DL không bảo đảm còn lại:</source>
        <translation>DL không bảo đảm còn lại:</translation>
    </message>
    <message>
        <source>299GB</source>
        <translation>299GB</translation>
    </message>
    <message>
        <source>Tổng dung lượng của tài khoản:</source>
        <translation>Tổng dung lượng của tài khoản:</translation>
    </message>
    <message>
        <source>300GB</source>
        <translation>300GB</translation>
    </message>
    <message>
        <source>Tổng traffic:</source>
        <translation>Tổng traffic:</translation>
    </message>
    <message>
        <source>0 GB</source>
        <translation>0 GB</translation>
    </message>
    <message>
        <source>Traffic đã dùng:</source>
        <translation>Traffic đã dùng:</translation>
    </message>
    <message>
        <source>Traffic còn lại:</source>
        <translation>Traffic còn lại:</translation>
    </message>
    <message>
        <source>&lt;a a href=&quot;/managerZidUdarDirectLink&quot;&gt;Quản lý Zidudar/Directlink&lt;/a&gt;</source>
        <translation>&lt;a a href=&quot;/managerZidUdarDirectLink&quot;&gt;Quản lý Zidudar/Directlink&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Storage</translation>
    </message>
    <message>
        <source>Forever</source>
        <translation>Forever</translation>
    </message>
    <message>
        <source>Khách hàng trả sau</source>
        <translation>Khách hàng trả sau</translation>
    </message>
    <message>
        <source>Thành viên thường</source>
        <translation>Thành viên thường</translation>
    </message>
    <message>
        <source>Không giới hạn</source>
        <translation>Không giới hạn</translation>
    </message>
    <message numerus="yes">
        <source>%n lượt</source>
        <translation>
            <numerusform>%n lượt</numerusform>
        </translation>
    </message>
    <message>
        <source>Vĩnh viễn</source>
        <translation>Vĩnh viễn</translation>
    </message>
    <message numerus="yes">
        <source>%n điểm</source>
        <translation>
            <numerusform>%n điểm</numerusform>
        </translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>Lỗi </translation>
    </message>
</context>
<context>
    <name>FormManage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Tạo thư mục</source>
        <translation>Tạo thư mục</translation>
    </message>
    <message>
        <source>Di chuyển</source>
        <translation>Di chuyển</translation>
    </message>
    <message>
        <source>Cập nhật</source>
        <translation>Cập nhật</translation>
    </message>
    <message>
        <source>Xóa</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Tải lên</source>
        <translation>Tải lên</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>F2</source>
        <comment>&amp;Rename</comment>
        <translation>F2</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <comment>&amp;Download</comment>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Tên tập tin</source>
        <translation>Tên tập tin</translation>
    </message>
    <message>
        <source>Dung lượng</source>
        <translation>Dung lượng</translation>
    </message>
    <message>
        <source>Lần tải</source>
        <translation>Lần tải</translation>
    </message>
    <message>
        <source>Ngày tạo</source>
        <translation>Ngày tạo</translation>
    </message>
    <message>
        <source>Đường dẫn</source>
        <translation>Đường dẫn</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>Lỗi </translation>
    </message>
    <message>
        <source>dd/MM/yyyy</source>
        <translation>dd/MM/yyyy</translation>
    </message>
    <message>
        <source>Lỗi kết nối mạng !</source>
        <translation>Lỗi kết nối mạng !</translation>
    </message>
    <message>
        <source>Duong dan hay tren </source>
        <translation>Duong dan hay tren </translation>
    </message>
    <message>
        <source>Sửa tên</source>
        <translation>Sửa tên</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Tạo mật khẩu</source>
        <translation>Tạo mật khẩu</translation>
    </message>
    <message>
        <source>Đổi mật khẩu</source>
        <translation>Đổi mật khẩu</translation>
    </message>
    <message>
        <source>Tải Lên</source>
        <translation>Tải Lên</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>Tải xuống</source>
        <translation>Tải xuống</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Sao chép links</source>
        <translation>Sao chép links</translation>
    </message>
    <message>
        <source>Gửi link cho bạn bè</source>
        <translation>Gửi link cho bạn bè</translation>
    </message>
    <message>
        <source>Giữ bảo đảm file</source>
        <translation>Giữ bảo đảm file</translation>
    </message>
    <message>
        <source>Không bảo đảm file</source>
        <translation>Không bảo đảm file</translation>
    </message>
    <message>
        <source>Bật Directlink</source>
        <translation>Bật Directlink</translation>
    </message>
    <message>
        <source>Tắt Directlink</source>
        <translation>Tắt Directlink</translation>
    </message>
    <message>
        <source>Bạn chưa chọn file</source>
        <translation>Bạn chưa chọn file</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Bạn có muốn xóa file ?</source>
        <translation>Bạn có muốn xóa file ?</translation>
    </message>
    <message>
        <source>Bạn là thành viên thường nên không thực hiện được chức năng này.</source>
        <translation>Bạn là thành viên thường nên không thực hiện được chức năng này.</translation>
    </message>
    <message>
        <source>Thư mục mặc định Music, Photos không được phép tải về!</source>
        <translation>Thư mục mặc định Music, Photos không được phép tải về!</translation>
    </message>
    <message>
        <source>Độ dài tối đa là 100 kí tự</source>
        <translation>Độ dài tối đa là 100 kí tự</translation>
    </message>
    <message>
        <source>Tên tập tin không được phép rỗng.</source>
        <translation>Tên tập tin không được phép rỗng.</translation>
    </message>
    <message>
        <source>Tên tập tin không được chứa kí tự đặt biệt: </source>
        <translation>Tên tập tin không được chứa kí tự đặt biệt: </translation>
    </message>
    <message>
        <source>Mục đã chọn không có đường dẫn nên không thực hiện được chức năng này.</source>
        <translation>Mục đã chọn không có đường dẫn nên không thực hiện được chức năng này.</translation>
    </message>
</context>
<context>
    <name>FormUpload</name>
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
        <source>Đường dẫn</source>
        <translation>Đường dẫn</translation>
    </message>
    <message>
        <source>Thuộc thư mục</source>
        <translation>Thuộc thư mục</translation>
    </message>
    <message>
        <source>Tiến trình tải lên</source>
        <translation>Tiến trình tải lên</translation>
    </message>
    <message>
        <source>Tạo mới</source>
        <translation>Tạo mới</translation>
    </message>
    <message>
        <source>Bắt đầu</source>
        <translation>Bắt đầu</translation>
    </message>
    <message>
        <source>Tạm ngưng</source>
        <translation>Tạm ngưng</translation>
    </message>
    <message>
        <source>Xóa</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Bắt đầu tất cả</source>
        <translation>Bắt đầu tất cả</translation>
    </message>
    <message>
        <source>Tạm dừng tất cả</source>
        <translation>Tạm dừng tất cả</translation>
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
        <source>Tạm dừng</source>
        <translation>Tạm dừng</translation>
    </message>
    <message>
        <source>Tải lên</source>
        <translation>Tải lên</translation>
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
        <source>Tải tập tin về máy</source>
        <translation>Tải tập tin về máy</translation>
    </message>
    <message>
        <source>Copy links</source>
        <translation>Copy links</translation>
    </message>
    <message>
        <source>Thông tin</source>
        <translation>Thông tin</translation>
    </message>
    <message>
        <source>Hãy chọn các tập tin để bắt đầu tải lên</source>
        <translation>Hãy chọn các tập tin để bắt đầu tải lên</translation>
    </message>
    <message>
        <source>Hãy chọn các file cần tạm dừng tải lên</source>
        <translation>Hãy chọn các file cần tạm dừng tải lên</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Vui lòng chọn ít nhất một tập tin cần xoá </source>
        <translation>Vui lòng chọn ít nhất một tập tin cần xoá </translation>
    </message>
    <message>
        <source>Bạn phải &lt;b&gt;dừng tải lên&lt;/b&gt; các tập tin đã chọn trước khi xóa</source>
        <translation>Bạn phải &lt;b&gt;dừng tải lên&lt;/b&gt; các tập tin đã chọn trước khi xóa</translation>
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
        <source>Lỗi mở tập tin</source>
        <translation>Lỗi mở tập tin</translation>
    </message>
    <message>
        <source>Tập tin bạn chọn không tồn tại</source>
        <translation>Tập tin bạn chọn không tồn tại</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>Không đủ dung lượng trống để lưu thông tin tải lên</source>
        <translation>Không đủ dung lượng trống để lưu thông tin tải lên</translation>
    </message>
    <message>
        <source>Lỗi lưu thông tin tải lên</source>
        <translation>Lỗi lưu thông tin tải lên</translation>
    </message>
    <message>
        <source>Lỗi thông tin tải lên: </source>
        <translation>Lỗi thông tin tải lên: </translation>
    </message>
    <message>
        <source>Danh sách các tập tin tải lên bị lỗi
Vui lòng thêm lại vào danh sách</source>
        <translation>Danh sách các tập tin tải lên bị lỗi
Vui lòng thêm lại vào danh sách</translation>
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
    <name>Popup_rss_SetDownloadFolder</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Thư mục tải xuống</source>
        <translation>Thư mục tải xuống</translation>
    </message>
    <message>
        <source>Tên thể loại:</source>
        <translation>Tên thể loại:</translation>
    </message>
    <message>
        <source>Chọn</source>
        <translation>Chọn</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Chọn thư mục tải xuống</source>
        <translation>Chọn thư mục tải xuống</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Bạn vui lòng chọn đường dẫn để lưu tập tin tải xuống</source>
        <translation>Bạn vui lòng chọn đường dẫn để lưu tập tin tải xuống</translation>
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
        <source>Lỗi (%1)</source>
        <translation>Lỗi (%1)</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Thư mục</translation>
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
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Nhập tên cho tập tin.</source>
        <translation>Nhập tên cho tập tin.</translation>
    </message>
    <message>
        <source>Chọn thư mục lưu trữ tập tin.</source>
        <translation>Chọn thư mục lưu trữ tập tin.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Tập tin đã tồn tại, không thể đổi tên tập tin.</source>
        <translation>Tập tin đã tồn tại, không thể đổi tên tập tin.</translation>
    </message>
    <message>
        <source>Tập tin %1 đã tồn tại, không thể đổi tên tập tin.</source>
        <translation>Tập tin %1 đã tồn tại, không thể đổi tên tập tin.</translation>
    </message>
    <message>
        <source>Tạo thư mục thất bại. Bạn vui lòng kiểm tra lại đường dẫn.</source>
        <translation>Tạo thư mục thất bại. Bạn vui lòng kiểm tra lại đường dẫn.</translation>
    </message>
    <message>
        <source>Tập tin %1 đang được tải, không thể đổi tên hay chuyển tập tin.</source>
        <translation>Tập tin %1 đang được tải, không thể đổi tên hay chuyển tập tin.</translation>
    </message>
    <message>
        <source>Không đổi tên hay chuyển được tập tin %1 thành %2.</source>
        <translation>Không đổi tên hay chuyển được tập tin %1 thành %2.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Vui lòng xác nhận đồng ý các điều khoản của Brisko.</source>
        <translation>Vui lòng xác nhận đồng ý các điều khoản của Brisko.</translation>
    </message>
    <message>
        <source>Tập tin &quot;%1&quot; không tồn tại</source>
        <translation>Tập tin &quot;%1&quot; không tồn tại</translation>
    </message>
    <message>
        <source>Tập tin &quot;%1&quot; rỗng</source>
        <translation>Tập tin &quot;%1&quot; rỗng</translation>
    </message>
    <message>
        <source>Lỗi tập tin</source>
        <translation>Lỗi tập tin</translation>
    </message>
    <message>
        <source>Vui lòng chọn file cần upload.</source>
        <translation>Vui lòng chọn file cần upload.</translation>
    </message>
    <message>
        <source>Lỗi!</source>
        <translation>Lỗi!</translation>
    </message>
    <message>
        <source>Cảnh báo!</source>
        <translation>Cảnh báo!</translation>
    </message>
    <message>
        <source> Tổng Quát</source>
        <translation> Tổng Quát</translation>
    </message>
    <message>
        <source> Tác vụ tải lên</source>
        <translation> Tác vụ tải lên</translation>
    </message>
    <message>
        <source> Tác vụ tải xuống</source>
        <translation> Tác vụ tải xuống</translation>
    </message>
    <message>
        <source> Kết nối</source>
        <translation> Kết nối</translation>
    </message>
    <message>
        <source>Không khởi động lại được chương trình. Bạn hãy tự mở lại chương trình.</source>
        <translation>Không khởi động lại được chương trình. Bạn hãy tự mở lại chương trình.</translation>
    </message>
    <message>
        <source>Tên thư mục không được đặt là khoảng trắng.</source>
        <translation>Tên thư mục không được đặt là khoảng trắng.</translation>
    </message>
    <message>
        <source>Bạn chưa nhập tên thư mục</source>
        <translation>Bạn chưa nhập tên thư mục</translation>
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
        <source>Không lưu được tùy chỉnh (%1). Các thay đổi sẽ mất khi chương trình khởi động lại.</source>
        <translation>Không lưu được tùy chỉnh (%1). Các thay đổi sẽ mất khi chương trình khởi động lại.</translation>
    </message>
    <message>
        <source>Brisko Tool không thể chạy: không ghi được tệp khóa vào thư mục tạm
%1
Ổ đĩa có thể đã đầy hoặc chỉ cho phép đọc. Hãy giải phóng dung lượng hoặc kiểm tra quyền ghi, rồi mở lại chương trình.</source>
        <translation>Brisko Tool không thể chạy: không ghi được tệp khóa vào thư mục tạm
%1
Ổ đĩa có thể đã đầy hoặc chỉ cho phép đọc. Hãy giải phóng dung lượng hoặc kiểm tra quyền ghi, rồi mở lại chương trình.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Tìm trong:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Tên tập tin:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Kiểu tập tin:</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Thư mục:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Mở</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lưu</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Chọn</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Lưu thành</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Chọn thư mục</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Mọi tập tin (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Thư mục</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Lùi lại</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Tiến tới</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Thư mục cha</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Tạo thư mục mới</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Dạng danh sách</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Dạng chi tiết</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Quay lại</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Đi tiếp</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Lên thư mục cha</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Tạo một thư mục mới</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Chuyển sang dạng danh sách</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Chuyển sang dạng chi tiết</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Danh sách vị trí và dấu trang</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Thanh bên</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Vị trí gần đây</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Gỡ bỏ</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Đổi &amp;tên</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Xóa</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Hiện tập tin ẩ&amp;n</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Thư mục &amp;mới</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Thư mục mới</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Hiện </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Bạn có chắc muốn xóa &apos;%1&apos; không?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; được bảo vệ chống ghi.
Bạn vẫn muốn xóa?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Không xóa được thư mục.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 đã tồn tại.
Bạn có muốn thay thế không?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Không tìm thấy tập tin.
Vui lòng kiểm tra lại tên tập tin.</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Không tìm thấy thư mục.
Vui lòng kiểm tra lại tên thư mục.</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Ổ đĩa</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Tập tin %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Tập tin</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Tập tin</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Thư mục</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dung lượng</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Ngày sửa đổi</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Máy tính</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Tên tập tin không hợp lệ</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
        <translation>&lt;b&gt;Không dùng được tên &quot;%1&quot;.&lt;/b&gt;&lt;p&gt;Hãy thử một tên khác, ngắn hơn hoặc không có dấu chấm câu.</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>Kiểu</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Hủy</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Đó&amp;ng</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Có</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Không</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Thử lại</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
</context>
<context>
    <name>ReLogin</name>
    <message>
        <source>Tài khoản đã đăng xuất</source>
        <translation>Tài khoản đã đăng xuất</translation>
    </message>
</context>
<context>
    <name>RssManager</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Chọn nguồn phim: </source>
        <translation>Chọn nguồn phim: </translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Tìm kiếm:</source>
        <translation>Tìm kiếm:</translation>
    </message>
    <message>
        <source>Danh mục</source>
        <translation>Danh mục</translation>
    </message>
    <message>
        <source>Hình</source>
        <translation>Hình</translation>
    </message>
    <message>
        <source>Tiêu đề</source>
        <translation>Tiêu đề</translation>
    </message>
    <message>
        <source>Mô tả</source>
        <translation>Mô tả</translation>
    </message>
    <message>
        <source>Đường dẫn tải xuống</source>
        <translation>Đường dẫn tải xuống</translation>
    </message>
    <message>
        <source>Phụ đề tiếng việt</source>
        <translation>Phụ đề tiếng việt</translation>
    </message>
    <message>
        <source>Ngày cập nhật</source>
        <translation>Ngày cập nhật</translation>
    </message>
    <message>
        <source>Đường dẫn xem chi tiết</source>
        <translation>Đường dẫn xem chi tiết</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Tài khoản của bạn không có quyền sử dụng tính năng này. Để sử dụng tính năng này bạn cần mua tài khoản VIP của</source>
        <translation>Tài khoản của bạn không có quyền sử dụng tính năng này. Để sử dụng tính năng này bạn cần mua tài khoản VIP của</translation>
    </message>
    <message>
        <source>Đang tải dữ liệu, bạn vui lòng đợi</source>
        <translation>Đang tải dữ liệu, bạn vui lòng đợi</translation>
    </message>
    <message>
        <source>Bạn vui lòng nhập từ khóa để tìm phim</source>
        <translation>Bạn vui lòng nhập từ khóa để tìm phim</translation>
    </message>
    <message>
        <source>Website đang triển khai liên kết với Brisko, mời bạn quay lại sau</source>
        <translation>Website đang triển khai liên kết với Brisko, mời bạn quay lại sau</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>Không tải được dữ liệu phim, vui lòng thử lại sau.</source>
        <translation>Không tải được dữ liệu phim, vui lòng thử lại sau.</translation>
    </message>
    <message>
        <source>dd/MM/yyyy hh:mm</source>
        <translation>dd/MM/yyyy hh:mm</translation>
    </message>
    <message>
        <source>Lỗi đọc tập tin xml</source>
        <translation>Lỗi đọc tập tin xml</translation>
    </message>
    <message>
        <source>Không ghi được danh sách thể loại tải xuống tự động: %1</source>
        <translation>Không ghi được danh sách thể loại tải xuống tự động: %1</translation>
    </message>
    <message>
        <source>Dừng tải xuống tự động khi có phim mới</source>
        <translation>Dừng tải xuống tự động khi có phim mới</translation>
    </message>
    <message>
        <source>Tải xuống tự động khi có phim mới</source>
        <translation>Tải xuống tự động khi có phim mới</translation>
    </message>
    <message>
        <source>Chọn thư mục tải xuống</source>
        <translation>Chọn thư mục tải xuống</translation>
    </message>
    <message>
        <source>Sao chép đường dẫn tải xuống</source>
        <translation>Sao chép đường dẫn tải xuống</translation>
    </message>
    <message>
        <source>Tải xuống</source>
        <translation>Tải xuống</translation>
    </message>
    <message>
        <source>Định dạng 720p</source>
        <translation>Định dạng 720p</translation>
    </message>
    <message>
        <source>Định dạng 1080p</source>
        <translation>Định dạng 1080p</translation>
    </message>
    <message>
        <source>Định dạng khác</source>
        <translation>Định dạng khác</translation>
    </message>
    <message>
        <source>Tải phụ đề tiếng việt</source>
        <translation>Tải phụ đề tiếng việt</translation>
    </message>
    <message>
        <source>Tìm phụ đề trực tuyến</source>
        <translation>Tìm phụ đề trực tuyến</translation>
    </message>
    <message>
        <source>Gửi đường dẫn tải xuống cho bạn bè</source>
        <translation>Gửi đường dẫn tải xuống cho bạn bè</translation>
    </message>
    <message>
        <source>Phim hay tren brisko</source>
        <translation>Phim hay tren brisko</translation>
    </message>
</context>
<context>
    <name>SearchSubtitleOnline</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Tìm</source>
        <translation>Tìm</translation>
    </message>
    <message>
        <source>Tải về</source>
        <translation>Tải về</translation>
    </message>
    <message>
        <source>Nhập từ khóa</source>
        <translation>Nhập từ khóa</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tìm phụ đề trực tuyến&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tìm phụ đề trực tuyến&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Tên phim</source>
        <translation>Tên phim</translation>
    </message>
    <message>
        <source>Người upload</source>
        <translation>Người upload</translation>
    </message>
    <message>
        <source>Ngôn ngữ</source>
        <translation>Ngôn ngữ</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Đang tải dữ liệu, bạn vui lòng đợi</source>
        <translation>Đang tải dữ liệu, bạn vui lòng đợi</translation>
    </message>
    <message>
        <source>Bạn vui lòng nhập từ khóa để tìm phụ đề.</source>
        <translation>Bạn vui lòng nhập từ khóa để tìm phụ đề.</translation>
    </message>
    <message>
        <source>Không tìm thấy phụ đề theo yêu cầu tìm kiếm của bạn</source>
        <translation>Không tìm thấy phụ đề theo yêu cầu tìm kiếm của bạn</translation>
    </message>
    <message>
        <source>Chọn thư mục chứa tập tin phụ đề</source>
        <translation>Chọn thư mục chứa tập tin phụ đề</translation>
    </message>
    <message>
        <source>Bạn vui lòng chọn một tập tin phụ đề</source>
        <translation>Bạn vui lòng chọn một tập tin phụ đề</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>Không đổi được tên tập tin phụ đề theo tập tin video</source>
        <translation>Không đổi được tên tập tin phụ đề theo tập tin video</translation>
    </message>
    <message>
        <source>Không tồn tại tập tin phụ đề, vui lòng chọn tải tập tin phụ đề khác</source>
        <translation>Không tồn tại tập tin phụ đề, vui lòng chọn tải tập tin phụ đề khác</translation>
    </message>
    <message>
        <source>Không tải được dữ liệu từ trang phụ đề, vui lòng thử lại sau.</source>
        <translation>Không tải được dữ liệu từ trang phụ đề, vui lòng thử lại sau.</translation>
    </message>
</context>
<context>
    <name>Search_subtitles</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Tên tập tin video:</source>
        <translation>Tên tập tin video:</translation>
    </message>
    <message>
        <source>Tìm trực tuyến ...</source>
        <translation>Tìm trực tuyến ...</translation>
    </message>
    <message>
        <source>Đường dẫn tới tập tin phụ đề:</source>
        <translation>Đường dẫn tới tập tin phụ đề:</translation>
    </message>
    <message>
        <source>Chọn</source>
        <translation>Chọn</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Phụ đề cho video&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Phụ đề cho video&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Chọn tập tin phụ đề</source>
        <translation>Chọn tập tin phụ đề</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>Bạn vui lòng chọn đường dẫn tới tập tin phụ đề</source>
        <translation>Bạn vui lòng chọn đường dẫn tới tập tin phụ đề</translation>
    </message>
    <message>
        <source>Tập tin phụ đề không tồn tại</source>
        <translation>Tập tin phụ đề không tồn tại</translation>
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
    <name>TableUploadModel</name>
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
    <message>
        <source>Máy chủ liên tục từ chối vị trí tải lên. Vui lòng thử lại sau.</source>
        <translation>Máy chủ liên tục từ chối vị trí tải lên. Vui lòng thử lại sau.</translation>
    </message>
</context>
<context>
    <name>dialogabout</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Phiên bản:</source>
        <translation>Phiên bản:</translation>
    </message>
    <message>
        <source>Ngày ra mắt:</source>
        <translation>Ngày ra mắt:</translation>
    </message>
    <message>
        <source>Bản quyền thuộc:</source>
        <translation>Bản quyền thuộc:</translation>
    </message>
    <message>
        <source>Liên hệ:</source>
        <translation>Liên hệ:</translation>
    </message>
</context>
<context>
    <name>dialogoption_formconnect</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Không qua proxy</source>
        <translation>Không qua proxy</translation>
    </message>
    <message>
        <source>Tự động phát hiện proxy (dựa vào trình duyệt IE)</source>
        <translation>Tự động phát hiện proxy (dựa vào trình duyệt IE)</translation>
    </message>
    <message>
        <source>Sử dụng proxy</source>
        <translation>Sử dụng proxy</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP Proxy</translation>
    </message>
    <message>
        <source>Cổng</source>
        <translation>Cổng</translation>
    </message>
</context>
<context>
    <name>dialogoption_formdownload</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Số lượng tập tin cho mỗi lần tải xuống</source>
        <translation>Số lượng tập tin cho mỗi lần tải xuống</translation>
    </message>
    <message>
        <source>Số lần thử lại khi thất bại</source>
        <translation>Số lần thử lại khi thất bại</translation>
    </message>
    <message>
        <source>Giới hạn tốc độ tải xuống</source>
        <translation>Giới hạn tốc độ tải xuống</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Tự động tải xuống sau khi đăng nhập</source>
        <translation>Tự động tải xuống sau khi đăng nhập</translation>
    </message>
    <message>
        <source>Tắt máy sau khi tải xuống xong</source>
        <translation>Tắt máy sau khi tải xuống xong</translation>
    </message>
    <message>
        <source>Thư mục tải xuống mặc định</source>
        <translation>Thư mục tải xuống mặc định</translation>
    </message>
    <message>
        <source>Chọn</source>
        <translation>Chọn</translation>
    </message>
    <message>
        <source>Tự động lấy đường dẫn download của Brisko trong trình duyệt</source>
        <translation>Tự động lấy đường dẫn download của Brisko trong trình duyệt</translation>
    </message>
    <message>
        <source>Google Chrome</source>
        <translation>Google Chrome</translation>
    </message>
    <message>
        <source>Mozilla Firefox</source>
        <translation>Mozilla Firefox</translation>
    </message>
    <message>
        <source>Internet Explorer</source>
        <translation>Internet Explorer</translation>
    </message>
    <message>
        <source>Chọn thư mục</source>
        <translation>Chọn thư mục</translation>
    </message>
</context>
<context>
    <name>dialogoption_formgeneral</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Ngôn ngữ mặc định :</source>
        <translation>Ngôn ngữ mặc định :</translation>
    </message>
    <message>
        <source>Tự khởi động chương trình</source>
        <translation>Tự khởi động chương trình</translation>
    </message>
    <message>
        <source>Ẩn chương trình xuống khay hệ thống khi minimized</source>
        <translation>Ẩn chương trình xuống khay hệ thống khi minimized</translation>
    </message>
    <message>
        <source>Luôn hiện cửa sồ chương trình ở trên cùng</source>
        <translation>Luôn hiện cửa sồ chương trình ở trên cùng</translation>
    </message>
    <message>
        <source>Ghi nhớ tài khoản</source>
        <translation>Ghi nhớ tài khoản</translation>
    </message>
    <message>
        <source>Tự động đăng nhập</source>
        <translation>Tự động đăng nhập</translation>
    </message>
    <message>
        <source>Tiếng Việt</source>
        <translation>Tiếng Việt</translation>
    </message>
</context>
<context>
    <name>dialogoption_formupload</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Số lượng tập tin cho mỗi lần tải lên</source>
        <translation>Số lượng tập tin cho mỗi lần tải lên</translation>
    </message>
    <message>
        <source>Số lần thử lại khi thất bại</source>
        <translation>Số lần thử lại khi thất bại</translation>
    </message>
    <message>
        <source>Giới hạn tốc độ tải lên</source>
        <translation>Giới hạn tốc độ tải lên</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Tự động tải lên sau khi đăng nhập</source>
        <translation>Tự động tải lên sau khi đăng nhập</translation>
    </message>
    <message>
        <source>Tắt máy sau khi tải lên xong</source>
        <translation>Tắt máy sau khi tải lên xong</translation>
    </message>
    <message>
        <source>Thư mục tải lên mặc định</source>
        <translation>Thư mục tải lên mặc định</translation>
    </message>
    <message>
        <source>Chọn</source>
        <translation>Chọn</translation>
    </message>
    <message>
        <source>Chọn thư mục</source>
        <translation>Chọn thư mục</translation>
    </message>
</context>
<context>
    <name>formChangeFilePassword</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tạo mật khẩu cho tập tin&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tạo mật khẩu cho tập tin&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>&lt;h3&gt;&lt;font color=&quot;blue&quot;&gt;Bạn có muốn tạo mật khẩu cho tập tin ?&lt;/font&gt;&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;&lt;font color=&quot;blue&quot;&gt;Bạn có muốn tạo mật khẩu cho tập tin ?&lt;/font&gt;&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>Mật khẩu</source>
        <translation>Mật khẩu</translation>
    </message>
    <message>
        <source>Xóa mật khẩu</source>
        <translation>Xóa mật khẩu</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Loading....</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Thay đổi mật khẩu của tập tin&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Thay đổi mật khẩu của tập tin&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;&lt;font color=&quot;blue&quot;&gt;Bạn có muốn thay đổi mật khẩu cho tập tin ?&lt;/font&gt;&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;&lt;font color=&quot;blue&quot;&gt;Bạn có muốn thay đổi mật khẩu cho tập tin ?&lt;/font&gt;&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;red&quot;&gt;Độ dài mật khẩu ít nhất 6 ký tự.&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;red&quot;&gt;Độ dài mật khẩu ít nhất 6 ký tự.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>Lỗi </translation>
    </message>
    <message>
        <source>&lt;font color=&quot;red&quot;&gt;Mức bảo mật yếu&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;red&quot;&gt;Mức bảo mật yếu&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;red&quot;&gt;Mật khẩu đơn giản&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;red&quot;&gt;Mật khẩu đơn giản&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#A56F09&quot;&gt;Mức bảo mật trung bình&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#A56F09&quot;&gt;Mức bảo mật trung bình&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;Green&quot;&gt;Mức bảo mật cao&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;Green&quot;&gt;Mức bảo mật cao&lt;/font&gt;</translation>
    </message>
</context>
<context>
    <name>popup_inputPassword</name>
    <message>
        <source>Mật khẩu File</source>
        <translation>Mật khẩu File</translation>
    </message>
    <message>
        <source>Mật khẩu</source>
        <translation>Mật khẩu</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>File size</translation>
    </message>
    <message>
        <source>Tên File</source>
        <translation>Tên File</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Nhập mật khẩu file %1</source>
        <translation>Nhập mật khẩu file %1</translation>
    </message>
</context>
<context>
    <name>setFolderSaveSubtitle</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Thư mục tải xuống</source>
        <translation>Thư mục tải xuống</translation>
    </message>
    <message>
        <source>Chọn</source>
        <translation>Chọn</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>Chọn đường dẫn để lưu tập tin phụ đề tải xuống</source>
        <translation>Chọn đường dẫn để lưu tập tin phụ đề tải xuống</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Bạn vui lòng chọn đường dẫn để lưu tập tin phụ đề tải xuống</source>
        <translation>Bạn vui lòng chọn đường dẫn để lưu tập tin phụ đề tải xuống</translation>
    </message>
</context>
</TS>
