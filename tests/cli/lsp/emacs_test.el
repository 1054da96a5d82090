;;; emacs_test.el --- Emacs (batch) with eglot as the client of `qlt lsp'  -*- lexical-binding: t -*-
;; Opens a .bat buffer and checks what a user would see: a diagnostic, the
;; jump from a GOTO to its label and the hover text of a command word.
;; QLT names the program, WORKDIR a scratch folder. Exits 0 when all hold,
;; 1 with the reason on stderr.

(require 'package)
;; -Q skips the site start-up that names the system's package folder.
(add-to-list 'package-directory-list "/usr/share/emacs/site-lisp/elpa")
(package-initialize)
(require 'eglot)
(require 'flymake)

(defun qlt-test-fail (why &rest args)
  (message "emacs_test: %s" (apply #'format why args))
  (kill-emacs 1))

(defun qlt-test-wait (what seconds test)
  "Wait up to SECONDS for TEST to hold, else fail naming WHAT."
  (let ((until (+ (float-time) seconds)))
    (while (and (not (funcall test)) (< (float-time) until))
      (accept-process-output nil 0.05))
    (unless (funcall test) (qlt-test-fail "%s did not happen" what))))

(condition-case err
    (let ((file (expand-file-name "sample.bat" (getenv "WORKDIR"))))
      (with-temp-file file
        (insert "@ECHO OFF\r\nGOTO finish\r\nEHCO typo\r\n:Finish\r\nCOPY a b\r\n"))
      (find-file file)
      (setq eglot-server-programs `((bat-mode ,(getenv "QLT") "lsp")))
      (apply #'eglot (eglot--guess-contact))
      (qlt-test-wait "connecting" 20 (lambda () (eglot-current-server)))

      (qlt-test-wait "a diagnostic" 20 (lambda () (flymake-diagnostics)))
      (let ((found (car (flymake-diagnostics))))
        (unless (and (= (line-number-at-pos (flymake-diagnostic-beg found)) 3)
                     (string-match-p "EHCO" (flymake-diagnostic-text found)))
          (qlt-test-fail "unexpected diagnostic %S" (flymake-diagnostic-text found))))

      (goto-char (point-min))
      (search-forward "GOTO fin")
      (xref-find-definitions (xref-backend-identifier-at-point (xref-find-backend)))
      (unless (= (line-number-at-pos) 4)
        (qlt-test-fail "definition went to line %d, not to :Finish" (line-number-at-pos)))

      (search-forward "CO")
      (let* ((hover (jsonrpc-request (eglot--current-server-or-lose) :textDocument/hover
                                     (eglot--TextDocumentPositionParams)))
             (contents (plist-get hover :contents)))
        (unless (and (equal (plist-get contents :kind) "plaintext")
                     (string-prefix-p "COPY: " (plist-get contents :value)))
          (qlt-test-fail "hover gave %S" hover)))
      (eglot-shutdown (eglot-current-server))
      (kill-emacs 0))
  (error (qlt-test-fail "%S" err)))
