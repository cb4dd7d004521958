;; For tool_test.sh (case editors): prints each error that compilation-mode
;; finds with its default error regexps in the file named last on the command
;; line, as FILE|LINE|COLUMN, one per line.
(require 'compile)
(let ((file (car (last command-line-args-left))))
  (setq command-line-args-left nil)
  (with-current-buffer (find-file-noselect file)
    (compilation-mode)
    (compilation--ensure-parse (point-max))
    (let ((pos (point-min)))
      (while pos
        (let ((msg (get-text-property pos 'compilation-message)))
          (when msg
            (let ((loc (compilation--message->loc msg)))
              (princ (format "%s|%s|%s\n" (caar (compilation--loc->file-struct loc))
                             (compilation--loc->line loc) (compilation--loc->col loc))))))
        (setq pos (next-single-property-change pos 'compilation-message))))))
